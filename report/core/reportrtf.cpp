// The RTF rendering of a settings report: code page 1251, every text escaped, paragraphs
// laid out with tab stops.
#include "reportdocument.h"

#include "rtflayout.h"
#include "rtfreport.h"

namespace {

constexpr char kProlog[] =
    R"({\rtf1\ansi\ansicpg1251\deff0\deflang1049{\fonttbl)"
    R"({\f0\fnil\fcharset204{\*\fname Times New Roman;}Times New Roman CYR;})"
    R"({\f1\fnil\fcharset0 Times New Roman;}{\f2\fnil\fcharset2 Symbol;}})";
constexpr char kColourTable[] = R"({\colortbl ;\red0\green0\blue255;})";
constexpr char kTitleFormat[] = R"(\viewkind4\uc1\pard\qc\cf1\b\f0\fs32)"; // centred, blue, bold
constexpr char kBulleted[] =
    R"(\par \pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-200\li200)";
constexpr char kBodyStyle[] = R"(\cf0\fs20)"; // black, 10 point
constexpr char kNotBold[] = R"(\b0)";
constexpr char kBold[] = R"(\b)";
constexpr char kNewParagraph[] = R"(\par )";
constexpr char kParagraphEnd[] = R"(\par \pard)";
constexpr char kDocumentEnd[] = R"(\par })";
constexpr char kTwoTitleStops[] = R"(\tx4828)";
constexpr char kOneSectionStops[] = R"(\tx284\tx3692)";
constexpr char kTwoSectionStops[] = R"(\tx284\tx3692\tx5112\tx8520)";

using Lines = QList<QByteArray>;

QByteArray tabStops(const QList<int> &stops)
{
    QByteArray rtf;
    for (int stop : stops)
        rtf += "\\tx" + QByteArray::number(stop);
    return rtf;
}

// Rows whose first text stands at a tab stop, after the bullet or the indent.
Lines indentedRows(const QList<QStringList> &rows)
{
    Lines lines;
    for (const QStringList &row : rows)
        lines << rtfTabbed(QStringList{QString()} + row);
    return rtfLineBreaks(lines);
}

Lines plainRows(const QList<QStringList> &rows)
{
    Lines lines;
    for (const QStringList &row : rows)
        lines << rtfTabbed(row);
    return rtfLineBreaks(lines);
}

class RtfWriter
{
public:
    explicit RtfWriter(const QString &title)
        : m_lines{kProlog, kColourTable, QByteArray(kPageSetup) + kTitleFormat + rtfEscaped(title)}
    {
    }

    void add(const ReportBlock &block)
    {
        switch (block.kind) {
        case ReportBlock::Kind::Columns: addColumns(block); break;
        case ReportBlock::Kind::List: addList(block); break;
        case ReportBlock::Kind::Fields: addFields(block); break;
        }
        m_bodyStyled = true;
    }

    QByteArray document()
    {
        m_lines << kParagraphEnd << kDocumentEnd;
        return rtfDocument(m_lines);
    }

private:
    // The headings stand on the title's bold line; each column's values below its heading.
    void addColumns(const ReportBlock &block)
    {
        const ColumnStops stops = columnStops(block.headings, block.rows);
        m_lines << kParagraphEnd + tabStops(stops.headings) + kBodyStyle + rtfTabbed(block.headings)
                << kBulleted + tabStops(stops.rows) + kNotBold;
        m_lines += indentedRows(block.rows);
    }

    void addList(const ReportBlock &block)
    {
        QByteArray heading = block.spaced ? kNewParagraph : "";
        if (!m_bodyStyled)
            heading += kBodyStyle;
        m_lines << kParagraphEnd << heading + kBold + rtfEscaped(block.headings.value(0));
        if (block.rows.isEmpty())
            return;
        m_lines << QByteArray(kBulleted) + kNotBold;
        m_lines += plainRows(block.rows);
    }

    // Two sections stand side by side, the first one's caption and value left of the second's.
    void addFields(const ReportBlock &block)
    {
        const bool pair = block.headings.size() > 1;
        m_lines << kParagraphEnd
                << kNewParagraph + QByteArray(pair ? kTwoTitleStops : "") + kBold + rtfTabbed(block.headings)
                << kParagraphEnd + QByteArray(pair ? kTwoSectionStops : kOneSectionStops) + kNotBold;
        m_lines += indentedRows(block.rows);
    }

    Lines m_lines;
    bool m_bodyStyled = false; // colour and size of the title are still in force
};

} // namespace

ReportBlock reportList(const QString &heading, const QList<QStringList> &rows, bool spaced)
{
    return {ReportBlock::Kind::List, {heading}, rows, spaced};
}

QByteArray reportRtf(const SettingsReport &report)
{
    RtfWriter writer(report.title);
    for (const ReportBlock &block : report.blocks)
        writer.add(block);
    return writer.document();
}
