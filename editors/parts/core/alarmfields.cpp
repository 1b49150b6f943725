#include "alarmfields.h"

#include "settingsreport.h"

namespace {

const QString kZones = QStringLiteral("Зони");
const QString kOutputs = QStringLiteral("Виходи");
const QString kTimes = QStringLiteral("Часові налаштування");
const QString kTelephones = QStringLiteral("Телефонні номери");
const QString kSections = QStringLiteral("Секції");

} // namespace

void appendZoneFields(QList<SettingField> &fields, ZoneRange zones, const ZoneList &settings,
                      const QList<FieldColumn> &columns)
{
    for (int z = zones.first; z <= zones.last; ++z) {
        const ZoneSettings &zone = settings[std::size_t(z - 1)];
        const QString prefix = QStringLiteral("Зона %1: ").arg(z);
        fields.append({kZones, prefix + QStringLiteral("тип сповіщувача"), detectorTypeItems().value(zone.detectorType)});
        fields.append({kZones, prefix + QStringLiteral("режим збігу"), coincidenceModeItems().value(zone.mode)});
        for (const FieldColumn &column : columns)
            fields.append({kOutputs, prefix + column.caption, reportYesNo(zone.outputs[std::size_t(column.index)])});
    }
}

void appendTimingFields(QList<SettingField> &fields, std::span<const int, kTimingValueCount> values,
                        bool lineFault)
{
    const QString seconds = QStringLiteral("сек");
    fields.append({kTimes, QStringLiteral("час виявлення збігу"), reportValue(values[0], seconds)});
    fields.append({kTimes, QStringLiteral("час звучання ЗІ"), reportValue(values[1], seconds)});
    if (lineFault)
        fields.append({kTimes, QStringLiteral("час виявлення несправності лінії"),
                       reportValue(values[2], QStringLiteral("хв"))});
}

void appendTestReportFields(QList<SettingField> &fields, std::span<const int, kTestReportFieldCount> values)
{
    const QString hours = QStringLiteral("год");
    const QString minutes = QStringLiteral("хв");
    fields.append({kTimes, QStringLiteral("перше тестове сповіщення"),
                   reportValue(values[0], hours) + u' ' + reportValue(values[1], minutes)});
    fields.append({kTimes, QStringLiteral("період тестового сповіщення"),
                   reportValue(values[2], QStringLiteral("дні")) + u' ' + reportValue(values[3], hours) + u' '
                       + reportValue(values[4], minutes)});
}

void appendCodeFields(QList<SettingField> &fields, const QString &accessCode2, const QString &accessCode3,
                      const std::array<QString, 2> &objectNumbers)
{
    fields.append({kCodesGroup, QStringLiteral("код доступу до другого рівня"), accessCode2});
    fields.append({kCodesGroup, QStringLiteral("код доступу до третього рівня"), accessCode3});
    fields.append({kCodesGroup, QStringLiteral("об'єктові номера приладу №1"), objectNumbers[0]});
    fields.append({kCodesGroup, QStringLiteral("об'єктові номера приладу №2"), objectNumbers[1]});
}

void appendTelephoneFields(QList<SettingField> &fields, const std::array<TelephoneNumber, 2> &telephones)
{
    for (int n = 0; n < 2; ++n) {
        const TelephoneNumber &t = telephones[std::size_t(n)];
        fields.append({kTelephones, n == 0 ? QStringLiteral("перший телефонний номер") : QStringLiteral("другий телефонний номер"),
                       t.text + (t.tone ? QStringLiteral(" (тон)") : QString())});
    }
}

void appendSectionFields(QList<SettingField> &fields, const SectionTable &table,
                         std::span<const SectionFieldTexts> texts, std::span<const int> lists)
{
    for (int i = 0; i < table.sections.size() && std::size_t(i) < texts.size(); ++i) {
        const SectionEntry &section = table.sections.at(i);
        const int slot = listFieldSlot(table, i);
        for (int k = 1; k <= section.fieldCount(); ++k) {
            const bool listed = k == section.listField && slot >= 0 && std::size_t(slot) < lists.size();
            const QString value = listed ? table.listItems.value(lists[std::size_t(slot)])
                                         : texts[std::size_t(i)][std::size_t(k - 1)];
            // Several fields of a section share a caption: the number tells them apart.
            fields.append({kSections,
                           QStringLiteral("%1, поле %2 (%3)").arg(section.title).arg(k).arg(section.fieldCaptions.value(k - 1)),
                           value});
        }
    }
}
