#include "settingsreport.h"

namespace {

using namespace rtfpiece;

constexpr char kZoneHeadingsFormat[] =
    R"(\par \pard\tx1136\tx3408\tx5112\tx5964\tx6816\tx7810\tx8662\cf0\fs20)";

QByteArray zoneLine(int zone, const ZoneSettings &settings, const QList<int> &columns)
{
    QStringList cells{QString(), QString::number(zone), detectorTypeItems().value(settings.detectorType),
                      coincidenceModeItems().value(settings.mode)};
    for (int column : columns)
        cells << reportYesNo(settings.outputs[std::size_t(column)]);
    return rtfTabbed(cells);
}

} // namespace

RtfLines reportZoneTable(const ReportZoneTable &table, ZoneRange zones, const ZoneList &settings)
{
    RtfLines lines;
    for (int zone = zones.first; zone <= zones.last; ++zone)
        lines << zoneLine(zone, settings[std::size_t(zone - 1)], table.columns);
    return RtfLines{kZoneHeadingsFormat + rtfTabbed(table.headings), kBulleted + table.tabStops + kNotBold}
        + rtfLineBreaks(lines);
}

QString reportYesNo(bool on)
{
    return on ? QStringLiteral("так") : QStringLiteral("ні");
}

QString reportValue(int value, const QString &unit)
{
    return QString::number(value) + u' ' + unit;
}

RtfLines reportTimingLines(std::span<const int, kTimingValueCount> values, const QString &lineFault)
{
    const QString seconds = QStringLiteral("сек");
    return {
        rtfTabbed({QStringLiteral("час виявлення збігу"), {}, {}, reportValue(values[0], seconds)}),
        rtfTabbed({QStringLiteral("час звучання ЗІ"), {}, {}, reportValue(values[1], seconds)}),
        rtfTabbed({QStringLiteral("час виявлення несправності лінії"), lineFault}),
    };
}

RtfLines reportTestReportLines(std::span<const int, kTestReportFieldCount> values)
{
    const QString hours = QStringLiteral("год");
    const QString minutes = QStringLiteral("хв");
    return {
        rtfTabbed({QStringLiteral("перше тестове сповіщення"), reportValue(values[0], hours),
                   reportValue(values[1], minutes)}),
        rtfTabbed({QStringLiteral("період"), {}, {}, reportValue(values[2], QStringLiteral("дні")),
                   reportValue(values[3], hours), reportValue(values[4], minutes)}),
    };
}

QByteArray reportCodeLine(const QString &caption, const QString &text)
{
    return rtfTabbed({caption, {}, text});
}

RtfLines reportCodeLines(const QString &accessCode2, const QString &accessCode3,
                         const std::array<QString, 2> &objectNumbers,
                         const std::array<TelephoneNumber, 2> &telephones)
{
    return {
        reportCodeLine(QStringLiteral("код доступу до другого рівня"), accessCode2),
        reportCodeLine(QStringLiteral("код доступу до третього рівня"), accessCode3),
        reportCodeLine(QStringLiteral("об'єктові номера приладу №1"), objectNumbers[0]),
        reportCodeLine(QStringLiteral("об'єктові номера приладу №2"), objectNumbers[1]),
        reportCodeLine(QStringLiteral("перший телефонний номер"), telephones[0].text),
        reportCodeLine(QStringLiteral("другий телефонний номер"), telephones[1].text),
    };
}
