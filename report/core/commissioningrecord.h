#pragma once

#include "reportdocument.h"
#include "settingfields.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct DeviceDefinition;
struct SettingsImages;

// The record of a checked write that an installer signs and files: where and when the
// settings were written, by whom, what was read back (as the settings report prints it, with
// the CRC-32 of each image), whether it matched, and room for two signatures.
struct CommissioningRecord {
    QString title;  // the editor's title: model and variant
    QString target; // "прилад" or "конфігуратор (конфігурація 2)"
    QString port;
    QDateTime written;
    QString site;    // the protected site and its address, when known
    QString address;
    QString objectNumber;
    QString operatorName;
    SettingsReport settings;            // the settings read back, as the model's report prints them
    QList<FieldDifference> differences; // written (first) and read back (second)
    QStringList otherMismatches;        // written constants that read back otherwise
    quint32 eepromCrc = 0;              // CRC-32 of each image as read back
    quint32 memoryCrc = 0;
    bool hasEeprom = true;
};

// What a record says of `images` read back from a device of model `definition`, held for
// `variant`: the settings as the model's report prints them, the object number and the
// CRC-32 of each image. Where, when, by whom and the differences are the caller's.
CommissioningRecord readBackRecord(const DeviceDefinition &definition, const SettingsImages &images, quint8 variant);

// The record as one document: its header, the differences when there were any, the settings,
// and the signatures; rendered as RTF, preview and PDF alike.
SettingsReport commissioningRecordReport(const CommissioningRecord &record);
QByteArray commissioningRecordRtf(const CommissioningRecord &record);
QString commissioningRecordHtml(const CommissioningRecord &record);
// "Протокол KVL16P-2 2026-12-09 14-03-12" (no extension): model and time of the write.
QString commissioningRecordBaseName(const CommissioningRecord &record);
