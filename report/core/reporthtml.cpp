// The printable rendering of a settings report: HTML that a QTextDocument lays out for the
// print preview and the PDF.
#include "reportdocument.h"

#include <QRegularExpression>

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString cells(const char *tag, const QStringList &texts, int span = 1)
{
    QString html;
    const QString spanned = span > 1 ? QStringLiteral(" colspan=\"%1\"").arg(span) : QString();
    for (const QString &text : texts)
        html += QStringLiteral("<%1%2>%3</%1>").arg(QLatin1String(tag), spanned, escaped(text));
    return html;
}

// The first cell names the row: it keeps to one line, and the values wrap instead.
QString rowsHtml(const QList<QStringList> &rows)
{
    QString html;
    for (const QStringList &row : rows)
        html += QStringLiteral("<tr><td style=\"white-space:nowrap\">%1</td>%2</tr>")
                    .arg(escaped(row.value(0)), cells("td", row.mid(1)));
    return html;
}

// Captions take most of a section's width, so that they wrap no more than the values.
QString fieldRowsHtml(const QList<QStringList> &rows, qsizetype sections)
{
    const QString caption = QStringLiteral("<td width=\"%1%\">%2</td>").arg(70 / sections);
    const QString value = QStringLiteral("<td width=\"%1%\">%2</td>").arg(30 / sections);
    QString html;
    for (const QStringList &row : rows) {
        html += QStringLiteral("<tr>");
        for (qsizetype i = 0; i < row.size(); ++i)
            html += (i % 2 == 0 ? caption : value).arg(escaped(row[i]));
        html += QStringLiteral("</tr>");
    }
    return html;
}

QString table(const QString &content, bool ruled)
{
    const QString frame = ruled ? QStringLiteral(" border=\"1\" cellspacing=\"0\" width=\"100%\"") : QString();
    return QStringLiteral("<table%1 cellpadding=\"3\">%2</table>").arg(frame, content);
}

// A list line's values share one cell: the empty cells only place the RTF's tab stops.
QString listHtml(const ReportBlock &block)
{
    QList<QStringList> rows;
    for (const QStringList &row : block.rows) {
        QStringList values = row.mid(1);
        values.removeAll(QString());
        rows << QStringList{row.value(0), values.join(QStringLiteral("  "))};
    }
    return QStringLiteral("<h3>%1</h3>").arg(escaped(block.headings.value(0))) + table(rowsHtml(rows), false);
}

QString blockHtml(const ReportBlock &block)
{
    switch (block.kind) {
    case ReportBlock::Kind::Columns:
        return table(QStringLiteral("<tr>%1</tr>").arg(cells("th", block.headings)) + rowsHtml(block.rows), true);
    case ReportBlock::Kind::List:
        return listHtml(block);
    case ReportBlock::Kind::Fields:
        return table(QStringLiteral("<tr>%1</tr>").arg(cells("th", block.headings, 2))
                         + fieldRowsHtml(block.rows, block.headings.size()),
                     true);
    }
    return {};
}

} // namespace

QString reportHtml(const SettingsReport &report)
{
    QString html = QStringLiteral("<html><body style=\"font-family:'Times New Roman',serif; font-size:10pt\">"
                                  "<h2 align=\"center\" style=\"color:#0000ff\">%1</h2>")
                       .arg(escaped(report.title));
    for (const ReportBlock &block : report.blocks)
        html += blockHtml(block) + QStringLiteral("<p></p>");
    return html + QStringLiteral("</body></html>");
}

QString reportBaseName(const QString &editorTitle, QDate date)
{
    static const QRegularExpression variant(QStringLiteral("\\s*\\([^)]*\\)\\s*$"));
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|]"));
    QString model = editorTitle;
    model.remove(variant).replace(unsafe, QStringLiteral("_"));
    return model.trimmed() + u' ' + date.toString(Qt::ISODate);
}
