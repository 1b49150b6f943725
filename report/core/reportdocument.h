#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// A settings report as content: the RTF file and the printable document (preview and PDF)
// are both rendered from it, so that they always show the same.
struct ReportBlock {
    enum class Kind {
        Columns, // headings over rows, each value under its column's heading (the zone table)
        List,    // one heading over bulleted lines: a caption, then its values
        Fields,  // one or two section titles, each over its caption and value pairs
    };
    Kind kind = Kind::List;
    QStringList headings;
    // Columns: one cell per heading. List: the caption, then values; an empty cell only moves
    // the next one to a further tab stop of the RTF. Fields: caption and value per title.
    QList<QStringList> rows;
    bool spaced = true; // List: an empty line above the heading
};

struct SettingsReport {
    QString title;
    QList<ReportBlock> blocks;
};

ReportBlock reportList(const QString &heading, const QList<QStringList> &rows, bool spaced = true);

// Code page 1251 RTF, CR LF line ends.
QByteArray reportRtf(const SettingsReport &report);
// The same content as HTML, for a QTextDocument to preview, print or write as PDF.
QString reportHtml(const SettingsReport &report);

// "КОРВЕЛ-16П 2026-12-09": the model (the editor's title without the variant in brackets)
// and the date, with the characters a file name cannot hold replaced by "_".
QString reportBaseName(const QString &editorTitle, QDate date);
