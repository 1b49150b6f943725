#pragma once

#include <QString>
#include <QStringList>

// Captions and item texts of the GSM module editors, shared by the windows and the reports.
namespace gsmtext {

inline const QString kChannel = QStringLiteral("Тип каналу");
inline const QString kObjectNumber = QStringLiteral("Об’єктовий номер приладу");
inline const QString kProtocol = QStringLiteral("Протокол обміну з ПЦПС");
inline const QString kDialInterval = QStringLiteral("Інтервал дозвону, год");
inline const QString kIntervalLimit = QStringLiteral("Час може бути тільки від 1 до 240 хвилин");

QStringList channelItems();           // "CSD", "GPRS"
QStringList inputTypeItems();         // "несправність", "пожар"
QStringList protocolItems();          // "V32", "V110"
QString loopCaption(int loop);        // "Шлейф 3"
QString activeLevelText(bool rising); // "з 0 в 1" or "з 1 в 0"
// Labels of the GSM.4 module's 13 event codes, edS1 to edS13.
QStringList eventCodeLabels();
// "1-й телефоний номер", "2-й телефоний номер"
QString telephoneCaption(int number);

} // namespace gsmtext
