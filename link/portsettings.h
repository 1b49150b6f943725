#pragma once

#include <QSerialPort>
#include <QString>

class QSettings;

// Line settings of the serial port, kept per user under organisation "VexLoad",
// application "ComPort" (the registry key HKCU\Software\VexLoad\ComPort on Windows),
// as string values compared without regard to case.
struct PortSettings {
    QString port;
    qint32 baudRate = 9600;
    bool customBaud = false; // "BaudRate" reads "Custom"; the rate is "CustomBaudRate"
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    // "Custom" is the fallback for an unknown text: the port keeps its own flow control.
    enum class Flow { None, Hardware, Software, Custom } flow = Flow::Custom;

    static PortSettings load();
    void store() const;

    static PortSettings fromSettings(const QSettings &store);
    void toSettings(QSettings &store) const;

    // Applies the line settings to an (open or closed) port.
    void applyTo(QSerialPort &port) const;
};

// Texts of the store, in the order the port dialog offers them.
QStringList standardBaudRateTexts();   // "110" .. "256000"; "Custom" is offered apart
QStringList stopBitsTexts();           // "1", "1.5", "2"
QStringList dataBitsTexts();           // "5" .. "8"
QStringList parityTexts();             // "None", "Odd", "Even", "Mark", "Space"
QStringList flowControlTexts();        // "Hardware", "Software", "None", "Custom"
// The names the port dialog shows for them, in the same order.
QStringList parityNames();             // "Немає", "Непарна", "Парна", "Маркер", "Пробіл"
QStringList flowControlNames();        // "Апаратне", "Програмне (XON/XOFF)", "Немає", "Не змінювати"

// Text to value, compared without case; an unknown text gives the stated fallback.
QSerialPort::StopBits stopBitsFromText(const QString &text);      // "1"
QSerialPort::DataBits dataBitsFromText(const QString &text);      // "8"
QSerialPort::Parity parityFromText(const QString &text);          // "None"
PortSettings::Flow flowFromText(const QString &text);             // "Custom"

QString stopBitsText(QSerialPort::StopBits bits);
QString parityText(QSerialPort::Parity parity);
QString flowText(PortSettings::Flow flow);
