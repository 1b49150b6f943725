#include "commissioningrecord.h"

#include "crc32.h"
#include "devicedefinition.h"

#include <QRegularExpression>

namespace {

quint32 crcOf(const QByteArray &bytes)
{
    Crc32 crc;
    crc.add(bytes);
    return crc.value();
}

QString crcText(quint32 crc)
{
    return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0')).toUpper();
}

bool matched(const CommissioningRecord &r)
{
    return r.differences.isEmpty() && r.otherMismatches.isEmpty();
}

QString orBlank(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("—") : text;
}

ReportBlock header(const CommissioningRecord &r)
{
    QList<QStringList> rows{{QStringLiteral("Об'єкт"), orBlank(r.site)},
                            {QStringLiteral("Адреса"), orBlank(r.address)},
                            {QStringLiteral("Прилад"), r.title},
                            {QStringLiteral("Номер об'єкта"), orBlank(r.objectNumber)},
                            {QStringLiteral("Записано в"), r.target},
                            {QStringLiteral("Порт"), r.port},
                            {QStringLiteral("Дата і час перевірки"), r.written.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))},
                            {QStringLiteral("Оператор"), orBlank(r.operatorName)}};
    if (r.hasEeprom)
        rows.append({QStringLiteral("CRC-32 EEPROM (прочитано)"), crcText(r.eepromCrc)});
    rows.append({QStringLiteral("CRC-32 пам'яті (прочитано)"), crcText(r.memoryCrc)});
    rows.append({QStringLiteral("Результат"),
                 matched(r) ? QStringLiteral("перевірено") : QStringLiteral("розбіжності після запису")});
    return {ReportBlock::Kind::Columns, {QStringLiteral("ЗАПИС"), QString()}, rows};
}

ReportBlock differencesTable(const CommissioningRecord &r)
{
    QList<QStringList> rows;
    for (const FieldDifference &d : r.differences)
        rows.append({d.group + QStringLiteral(": ") + d.name, d.first, d.second});
    for (const QString &other : r.otherMismatches)
        rows.append({other, QString(), QString()});
    return {ReportBlock::Kind::Columns,
            {QStringLiteral("РОЗБІЖНОСТІ"), QStringLiteral("записано"), QStringLiteral("прочитано")}, rows};
}

// Two sections side by side become two lines of one table, each the section's title and its
// values in a row: the record shows every code in a few pages instead of one a line.
ReportBlock compactSections(const QList<ReportBlock> &pairs)
{
    ReportBlock table{ReportBlock::Kind::Columns, {QStringLiteral("СЕКЦІЯ"), QStringLiteral("ЗНАЧЕННЯ")}, {}};
    for (const ReportBlock &pair : pairs) {
        for (qsizetype side = 0; side < pair.headings.size(); ++side) {
            QStringList values;
            for (const QStringList &row : pair.rows)
                values << row.value(2 * side + 1);
            table.rows.append({pair.headings.at(side), values.join(u' ')});
        }
    }
    return table;
}

QList<ReportBlock> compactSettings(const SettingsReport &settings)
{
    QList<ReportBlock> blocks;
    QList<ReportBlock> sections;
    for (const ReportBlock &block : settings.blocks) {
        if (block.kind == ReportBlock::Kind::Fields)
            sections.append(block);
        else
            blocks.append(block);
    }
    if (!sections.isEmpty())
        blocks.append(compactSections(sections));
    return blocks;
}

ReportBlock signatures()
{
    const QString line = QStringLiteral("____________________");
    return {ReportBlock::Kind::Columns,
            {QStringLiteral("ПІДПИСИ"), QStringLiteral("прізвище, ім'я"), QStringLiteral("підпис"), QStringLiteral("дата")},
            {{QStringLiteral("Налаштував"), line, line, line}, {QStringLiteral("Перевірив / прийняв"), line, line, line}}};
}

} // namespace

CommissioningRecord readBackRecord(const DeviceDefinition &definition, const SettingsImages &images, quint8 variant)
{
    CommissioningRecord record;
    record.objectNumber = definition.objectNumber(images, variant);
    if (definition.report)
        record.settings = definition.report(images, variant);
    record.eepromCrc = crcOf(images.eeprom);
    record.memoryCrc = crcOf(images.memory);
    record.hasEeprom = definition.eepromSize > 0;
    return record;
}

SettingsReport commissioningRecordReport(const CommissioningRecord &r)
{
    SettingsReport report{QStringLiteral("ПРОТОКОЛ ЗАПИСУ НАЛАШТУВАНЬ"), {header(r)}};
    if (!matched(r))
        report.blocks.append(differencesTable(r));
    report.blocks += compactSettings(r.settings);
    report.blocks.append(signatures());
    return report;
}

QByteArray commissioningRecordRtf(const CommissioningRecord &record)
{
    return reportRtf(commissioningRecordReport(record));
}

QString commissioningRecordHtml(const CommissioningRecord &record)
{
    return reportHtml(commissioningRecordReport(record));
}

QString commissioningRecordBaseName(const CommissioningRecord &r)
{
    // The version in the title's brackets names the model: "(KVL16P-2)".
    const QRegularExpressionMatch version = QRegularExpression(QStringLiteral("\\(([^)]*)\\)")).match(r.title);
    QString model = version.hasMatch() ? version.captured(1) : r.title;
    model.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    return QStringLiteral("Протокол %1 %2").arg(model.trimmed(), r.written.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")));
}
