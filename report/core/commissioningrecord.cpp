#include "commissioningrecord.h"

#include "rtfreport.h"

#include <QRegularExpression>

namespace {

constexpr char kProlog[] =
    R"({\rtf1\ansi\ansicpg1251\deff0\deflang1049{\fonttbl{\f0\fnil\fcharset204 Times New Roman;}})"
    R"({\colortbl ;\red0\green0\blue255;}\viewkind4\uc1\pard\qc\cf1\b\f0\fs28)";
constexpr char kBody[] = R"(\par \pard\cf0\b0\fs20\tx4500)";
constexpr char kHeading[] = R"(\par \b)";
constexpr char kPlain[] = R"(\b0)";
constexpr char kEnd[] = R"(\par })";

QString crcText(quint32 crc)
{
    return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0')).toUpper();
}

QString verdict(const CommissioningRecord &r)
{
    return r.differences.isEmpty() ? QStringLiteral("перевірено") : QStringLiteral("розбіжності після запису");
}

struct Line {
    QString caption;
    QString value;
};

QList<Line> headerLines(const CommissioningRecord &r)
{
    QList<Line> lines{{QStringLiteral("Записано в"), r.target},
                      {QStringLiteral("Дата і час"), r.written.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))},
                      {QStringLiteral("Порт"), r.port}};
    if (r.hasEeprom)
        lines.append({QStringLiteral("CRC-32 EEPROM (прочитано)"), crcText(r.eepromCrc)});
    lines.append({QStringLiteral("CRC-32 пам'яті (прочитано)"), crcText(r.memoryCrc)});
    lines.append({QStringLiteral("Результат"), verdict(r)});
    return lines;
}

} // namespace

QByteArray commissioningRecordRtf(const CommissioningRecord &r)
{
    QList<QByteArray> lines{kProlog + rtfEscaped(QStringLiteral("ПРОТОКОЛ ЗАПИСУ НАЛАШТУВАНЬ: ") + r.title), kBody};
    for (const Line &line : headerLines(r))
        lines << rtfTabbed({line.caption, line.value}) + "\\par";
    for (const QString &d : r.differences)
        lines << rtfEscaped(d) + "\\par";
    QString group;
    for (const SettingField &f : r.fields) {
        if (f.group != group) {
            group = f.group;
            lines << kHeading + rtfEscaped(group) + kPlain + "\\par";
        }
        lines << rtfTabbed({f.name, f.value}) + "\\par";
    }
    lines << kEnd;
    return rtfDocument(lines);
}

QString commissioningRecordHtml(const CommissioningRecord &r)
{
    const auto e = [](const QString &text) { return text.toHtmlEscaped(); };
    QString html = QStringLiteral("<h2 style=\"color:#0000ff\">%1</h2><table>")
                       .arg(e(QStringLiteral("Протокол запису налаштувань: ") + r.title));
    for (const Line &line : headerLines(r))
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(e(line.caption), e(line.value));
    html += QStringLiteral("</table>");
    for (const QString &d : r.differences)
        html += QStringLiteral("<p>%1</p>").arg(e(d));
    QString group;
    for (const SettingField &f : r.fields) {
        if (f.group != group) {
            if (!group.isEmpty())
                html += QStringLiteral("</table>");
            group = f.group;
            html += QStringLiteral("<h3>%1</h3><table>").arg(e(group));
        }
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(e(f.name), e(f.value));
    }
    if (!group.isEmpty())
        html += QStringLiteral("</table>");
    return html;
}

QString commissioningRecordBaseName(const CommissioningRecord &r)
{
    // The version in the title's brackets names the model: "(KVL16P-2)".
    const QRegularExpressionMatch version = QRegularExpression(QStringLiteral("\\(([^)]*)\\)")).match(r.title);
    QString model = version.hasMatch() ? version.captured(1) : r.title;
    model.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    return QStringLiteral("Протокол %1 %2").arg(model.trimmed(), r.written.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")));
}
