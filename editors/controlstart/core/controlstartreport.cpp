#include "controlstartreport.h"

#include "alarmfields.h"
#include "settingsreport.h"

namespace controlstart {

namespace {

using namespace rtfpiece;

constexpr char kZoneTabStops[] = R"(\tx426\tx1704\tx3408\tx5254\tx6106\tx7100)";
constexpr char kSectionTitleFormat[] = R"(\par \b)";
constexpr char kSectionFieldsFormat[] = R"(\par \pard\tx284\tx3692\b0)";

// The zone grid's columns C, D and E.
const QList<FieldColumn> kOutputs{{2, QStringLiteral("ОПОВ")}, {3, QStringLiteral("РЕЛ 1")}, {4, QStringLiteral("РЕЛ 2")}};

RtfLines zoneTable(const Settings &settings)
{
    ReportZoneTable table{{QStringLiteral("№ ЗОНИ"), QStringLiteral("ТИП СПОВІЩУВАЧА"), QStringLiteral("РЕЖИМ ЗБІГУ"),
                           QStringLiteral("\"ОПОВ\""), QStringLiteral("РЕЛ 1"), QStringLiteral("РЕЛ 2")},
                          {},
                          kZoneTabStops};
    for (const FieldColumn &column : kOutputs)
        table.columns.append(column.index);
    return reportZoneTable(table, {kFirstZone, kLastZone}, settings.zones);
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

RtfLines directionLines(const Direction &direction)
{
    RtfLines lines;
    for (const auto &[caption, value] : directionValues(direction))
        lines << reportCodeLine(caption, value);
    return lines;
}

QString sectionValue(const Settings &settings, int sectionIndex, int field)
{
    const SectionTable &table = sectionTable();
    if (field == table.sections.at(sectionIndex).listField)
        return table.listItems.value(settings.lists[std::size_t(listFieldSlot(table, sectionIndex))]);
    return settings.sectionFields[std::size_t(sectionIndex)][std::size_t(field - 1)];
}

RtfLines sectionLines(const Settings &settings, int sectionIndex)
{
    const SectionEntry &section = sectionTable().sections.at(sectionIndex);
    RtfLines fields;
    for (int field = 1; field <= section.fieldCount(); ++field)
        fields << rtfTabbed({{}, section.fieldCaptions.at(field - 1), sectionValue(settings, sectionIndex, field)});
    return RtfLines{kParagraphEnd, kSectionTitleFormat + rtfEscaped(section.title), kSectionFieldsFormat}
        + rtfLineBreaks(fields);
}

} // namespace

QStringList supplyItems()
{
    return {QStringLiteral("12 В"), QStringLiteral("24 В")};
}

QByteArray reportRtf(const Settings &settings)
{
    RtfLines lines = reportStart(kReportTitle);
    lines += zoneTable(settings);
    for (int d = 0; d < kDirectionCount; ++d)
        lines += headedList(kEmptyLineHeading, directionHeading(d).toUpper(), directionLines(settings.directions[std::size_t(d)]));
    lines += headedList(kEmptyLineHeading, QStringLiteral("ЧАСОВІ НАЛАШТУВАННЯ"),
                        reportTimingLines(settings.times, reportValue(settings.times[2], QStringLiteral("хв"))));
    lines += headedList(kHeading, QStringLiteral("Параметри передачі тестового сповіщення"),
                        reportTestReportLines(settings.testReport));
    lines += headedList(kEmptyLineHeading, QStringLiteral("КОДИ ДОСТУПУ"),
                        reportCodeLines(settings.accessCode2, settings.accessCode3, settings.objectNumbers,
                                        settings.telephones));
    for (int i = 0; i < kSectionCount; ++i)
        lines += sectionLines(settings, i);
    lines << kParagraphEnd << kDocumentEnd;
    return rtfDocument(lines);
}

ReportFileResult writeReport(const QString &folder, const Settings &settings)
{
    return writeReportFile(folder, kReportFileName, reportRtf(settings));
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
