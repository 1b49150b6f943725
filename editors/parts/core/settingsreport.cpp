#include "settingsreport.h"

namespace {

QStringList zoneRow(int zone, const ZoneSettings &settings, const QList<int> &columns)
{
    QStringList cells{QString::number(zone), detectorTypeItems().value(settings.detectorType),
                      coincidenceModeItems().value(settings.mode)};
    for (int column : columns)
        cells << reportYesNo(settings.outputs[std::size_t(column)]);
    return cells;
}

} // namespace

ReportBlock reportZoneTable(const QStringList &headings, const QList<int> &columns, ZoneRange zones,
                            const ZoneList &settings)
{
    ReportBlock table{ReportBlock::Kind::Columns, headings, {}};
    for (int zone = zones.first; zone <= zones.last; ++zone)
        table.rows << zoneRow(zone, settings[std::size_t(zone - 1)], columns);
    return table;
}

QString reportYesNo(bool on)
{
    return on ? QStringLiteral("так") : QStringLiteral("ні");
}

QString reportValue(int value, const QString &unit)
{
    return QString::number(value) + u' ' + unit;
}

ReportRows reportTimingRows(std::span<const int, kTimingValueCount> values, const QString &lineFault)
{
    const QString seconds = QStringLiteral("сек");
    return {
        {QStringLiteral("час виявлення збігу"), {}, {}, reportValue(values[0], seconds)},
        {QStringLiteral("час звучання ЗІ"), {}, {}, reportValue(values[1], seconds)},
        {QStringLiteral("час виявлення несправності лінії"), lineFault},
    };
}

ReportRows reportTestReportRows(std::span<const int, kTestReportFieldCount> values)
{
    const QString hours = QStringLiteral("год");
    const QString minutes = QStringLiteral("хв");
    return {
        {QStringLiteral("перше тестове сповіщення"), reportValue(values[0], hours), reportValue(values[1], minutes)},
        {QStringLiteral("період"), {}, {}, reportValue(values[2], QStringLiteral("дні")), reportValue(values[3], hours),
         reportValue(values[4], minutes)},
    };
}

QStringList reportCodeRow(const QString &caption, const QString &text)
{
    return {caption, {}, text};
}

ReportRows reportCodeRows(const QString &accessCode2, const QString &accessCode3,
                          const std::array<QString, 2> &objectNumbers,
                          const std::array<TelephoneNumber, 2> &telephones)
{
    return {
        reportCodeRow(QStringLiteral("код доступу до другого рівня"), accessCode2),
        reportCodeRow(QStringLiteral("код доступу до третього рівня"), accessCode3),
        reportCodeRow(QStringLiteral("об'єктові номера приладу №1"), objectNumbers[0]),
        reportCodeRow(QStringLiteral("об'єктові номера приладу №2"), objectNumbers[1]),
        reportCodeRow(QStringLiteral("перший телефонний номер"), telephones[0].text),
        reportCodeRow(QStringLiteral("другий телефонний номер"), telephones[1].text),
    };
}
