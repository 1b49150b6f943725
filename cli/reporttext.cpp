#include "reporttext.h"

#include "changedsettings.h"

#include <QJsonObject>

#include "registry.h"

namespace {

const QString kColumnGap = QStringLiteral("  ");

QStringList columnLines(const ReportBlock &block)
{
    QList<qsizetype> widths;
    for (const QStringList &row : QList<QStringList>{block.headings} + block.rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    QStringList lines;
    for (const QStringList &row : QList<QStringList>{block.headings} + block.rows) {
        QStringList cells;
        for (qsizetype i = 0; i < row.size(); ++i)
            cells << row[i].leftJustified(widths[i]);
        lines << cells.join(kColumnGap).trimmed();
    }
    return lines;
}

// The empty cells of a list line only place the RTF's tab stops.
QStringList listLines(const ReportBlock &block)
{
    QStringList lines{block.headings.value(0)};
    for (const QStringList &row : block.rows) {
        QStringList values = row.mid(1);
        values.removeAll(QString());
        lines << kColumnGap + (row.value(0) + u' ' + values.join(kColumnGap)).trimmed();
    }
    return lines;
}

// Each section title over its own caption and value pairs (cells 2i and 2i + 1 of a row).
QStringList fieldLines(const ReportBlock &block)
{
    QStringList lines;
    for (qsizetype section = 0; section < block.headings.size(); ++section) {
        lines << block.headings[section];
        for (const QStringList &row : block.rows) {
            const QString caption = row.value(2 * section);
            if (!caption.isEmpty())
                lines << kColumnGap + QStringLiteral("%1: %2").arg(caption, row.value(2 * section + 1)).trimmed();
        }
    }
    return lines;
}

} // namespace

SettingsReport settingsReportOf(const settingsfile::Contents &file)
{
    const DeviceDefinition &d = modelInfo(file.model);
    const SettingsImages images{file.images.eeprom, file.images.memory};
    return d.report(images, d.imagesVariant(images, file.header.variant));
}

QJsonArray reportJson(const SettingsReport &report)
{
    QJsonArray blocks;
    for (const ReportBlock &block : report.blocks) {
        QJsonArray rows;
        for (const QStringList &row : block.rows)
            rows.append(QJsonArray::fromStringList(row));
        blocks.append(QJsonObject{{QStringLiteral("headings"), QJsonArray::fromStringList(block.headings)},
                                  {QStringLiteral("rows"), rows}});
    }
    return blocks;
}

SettingsReport changedSettingsReportOf(const settingsfile::Contents &file)
{
    const DeviceDefinition &d = modelInfo(file.model);
    const SettingsImages images{file.images.eeprom, file.images.memory};
    const quint8 variant = d.imagesVariant(images, file.header.variant);
    return changedSettings(d.report(images, variant), d.report(d.factoryImages(variant), variant));
}

QStringList reportText(const SettingsReport &report)
{
    QStringList lines{report.title};
    for (const ReportBlock &block : report.blocks) {
        if (block.kind != ReportBlock::Kind::List || block.spaced)
            lines << QString();
        switch (block.kind) {
        case ReportBlock::Kind::Columns: lines += columnLines(block); break;
        case ReportBlock::Kind::List: lines += listLines(block); break;
        case ReportBlock::Kind::Fields: lines += fieldLines(block); break;
        }
    }
    return lines;
}
