#pragma once

#include "sectiontable.h"
#include "settingfields.h"
#include "telephonenumber.h"
#include "timingranges.h"
#include "zonetable.h"

#include <span>

// The settings the alarm devices share, as named fields valued as their reports print
// them, for verification, comparison and the commissioning record.

inline const QString kCodesGroup = QStringLiteral("Коди доступу");

struct FieldColumn {
    int index;       // the output column, 0 to 4
    QString caption; // "РЕЛ 1"
};

void appendZoneFields(QList<SettingField> &fields, ZoneRange zones, const ZoneList &settings,
                      const QList<FieldColumn> &columns);
// ud5 to ud7; a device without a line-fault time leaves it out.
void appendTimingFields(QList<SettingField> &fields, std::span<const int, kTimingValueCount> values,
                        bool lineFault);
void appendTestReportFields(QList<SettingField> &fields, std::span<const int, kTestReportFieldCount> values);
void appendCodeFields(QList<SettingField> &fields, const QString &accessCode2, const QString &accessCode3,
                      const std::array<QString, 2> &objectNumbers);
void appendTelephoneFields(QList<SettingField> &fields, const std::array<TelephoneNumber, 2> &telephones);
// Every field of the table's sections; list fields by listFieldSlot in `lists`.
void appendSectionFields(QList<SettingField> &fields, const SectionTable &table,
                         std::span<const SectionFieldTexts> texts, std::span<const int> lists);
