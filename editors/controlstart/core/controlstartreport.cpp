#include "controlstartreport.h"

#include "alarmfields.h"
#include "settingsreport.h"

namespace controlstart {

namespace {

// The zone grid's columns C, D and E.
const QList<FieldColumn> kOutputs{{2, QStringLiteral("ОПОВ")}, {3, QStringLiteral("РЕЛ 1")}, {4, QStringLiteral("РЕЛ 2")}};

ReportBlock zoneTable(const Settings &settings)
{
    QList<int> columns;
    for (const FieldColumn &column : kOutputs)
        columns.append(column.index);
    return reportZoneTable({QStringLiteral("№ ЗОНИ"), QStringLiteral("ТИП СПОВІЩУВАЧА"), QStringLiteral("РЕЖИМ ЗБІГУ"),
                            QStringLiteral("\"ОПОВ\""), QStringLiteral("РЕЛ 1"), QStringLiteral("РЕЛ 2")},
                           columns, {kFirstZone, kLastZone}, settings.zones);
}

// Caption and value of each of a direction's settings.
QList<std::pair<QString, QString>> directionValues(const Direction &direction)
{
    return {{QStringLiteral("живлення"), supplyItems().value(direction.supply)},
            {QStringLiteral("контролювання випуску"), reportYesNo(direction.releaseControl)},
            {QStringLiteral("час затримки на евакуацію"), reportValue(direction.evacuationDelay, QStringLiteral("сек"))},
            {QStringLiteral("час випускання вогнегасної речовини"),
             reportValue(direction.releaseTime, QStringLiteral("хв"))}};
}

QString directionHeading(int direction)
{
    return QStringLiteral("Напрямок %1").arg(direction + 1);
}

ReportRows directionRows(const Direction &direction)
{
    ReportRows rows;
    for (const auto &[caption, value] : directionValues(direction))
        rows << reportCodeRow(caption, value);
    return rows;
}

QString sectionValue(const Settings &settings, int sectionIndex, int field)
{
    const SectionTable &table = sectionTable();
    if (field == table.sections.at(sectionIndex).listField)
        return table.listItems.value(settings.lists[std::size_t(listFieldSlot(table, sectionIndex))]);
    return settings.sectionFields[std::size_t(sectionIndex)][std::size_t(field - 1)];
}

ReportBlock sectionFields(const Settings &settings, int sectionIndex)
{
    const SectionEntry &section = sectionTable().sections.at(sectionIndex);
    ReportBlock block{ReportBlock::Kind::Fields, {section.title}, {}};
    for (int field = 1; field <= section.fieldCount(); ++field)
        block.rows << QStringList{section.fieldCaptions.at(field - 1), sectionValue(settings, sectionIndex, field)};
    return block;
}

} // namespace

QStringList supplyItems()
{
    return {QStringLiteral("12 В"), QStringLiteral("24 В")};
}

SettingsReport report(const Settings &settings)
{
    SettingsReport report{kReportTitle, {zoneTable(settings)}};
    for (int d = 0; d < kDirectionCount; ++d)
        report.blocks << reportList(directionHeading(d).toUpper(), directionRows(settings.directions[std::size_t(d)]));
    report.blocks << reportList(QStringLiteral("ЧАСОВІ НАЛАШТУВАННЯ"),
                                reportTimingRows(settings.times, reportValue(settings.times[2], QStringLiteral("хв"))))
                  << reportList(QStringLiteral("Параметри передачі тестового сповіщення"),
                                reportTestReportRows(settings.testReport), false)
                  << reportList(QStringLiteral("КОДИ ДОСТУПУ"),
                                reportCodeRows(settings.accessCode2, settings.accessCode3, settings.objectNumbers,
                                               settings.telephones));
    for (int i = 0; i < kSectionCount; ++i)
        report.blocks << sectionFields(settings, i);
    return report;
}

QList<SettingField> settingFields(const Settings &settings)
{
    QList<SettingField> fields;
    appendZoneFields(fields, {kFirstZone, kLastZone}, settings.zones, kOutputs);
    for (int d = 0; d < kDirectionCount; ++d) {
        for (const auto &[caption, value] : directionValues(settings.directions[std::size_t(d)]))
            fields.append({QStringLiteral("Напрямки"), directionHeading(d) + QStringLiteral(": ") + caption, value});
    }
    appendTimingFields(fields, settings.times, true);
    appendTestReportFields(fields, settings.testReport);
    appendCodeFields(fields, settings.accessCode2, settings.accessCode3, settings.objectNumbers);
    appendTelephoneFields(fields, settings.telephones);
    appendSectionFields(fields, sectionTable(), settings.sectionFields, settings.lists);
    return fields;
}

} // namespace controlstart
