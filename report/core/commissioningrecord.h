#pragma once

#include "settingfields.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The record of a verified write that an installer keeps: what was written where and when,
// every setting as the report prints it, the checksums of what the device gave back, and
// whether it matched.
struct CommissioningRecord {
    QString title;      // the editor's title: model and variant
    QString target;     // "прилад" or "конфігуратор (конфігурація 2)"
    QString port;
    QDateTime written;
    QList<SettingField> fields;
    quint32 eepromCrc = 0; // CRC-32 of each image as read back
    quint32 memoryCrc = 0;
    bool hasEeprom = true;
    QStringList differences; // empty: "перевірено"
};

QByteArray commissioningRecordRtf(const CommissioningRecord &record);
// The same content as HTML, for a PDF or a preview.
QString commissioningRecordHtml(const CommissioningRecord &record);
// "Протокол KVL16P-2 2026-12-09 14-03-12" (no extension): model and time of the write.
QString commissioningRecordBaseName(const CommissioningRecord &record);
