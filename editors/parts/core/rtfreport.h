#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What every RTF report of the editors shares. Reports declare code page 1251 (\ansicpg1251)
// and keep \uc1 in force, so that a Unicode escape is followed by one fallback character.

// The paragraph formats every settings report uses.
namespace rtfpiece {
inline constexpr char kProlog[] =
    R"({\rtf1\ansi\ansicpg1251\deff0\deflang1049{\fonttbl)"
    R"({\f0\fnil\fcharset204{\*\fname Times New Roman;}Times New Roman CYR;})"
    R"({\f1\fnil\fcharset0 Times New Roman;}{\f2\fnil\fcharset2 Symbol;}})";
inline constexpr char kColourTable[] = R"({\colortbl ;\red0\green0\blue255;})";
inline constexpr char kTitleFormat[] = R"(\viewkind4\uc1\pard\qc\cf1\b\f0\fs32)"; // centred, blue, bold
inline constexpr char kBulleted[] =
    R"(\par \pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-200\li200)";
inline constexpr char kNotBold[] = R"(\b0)";
inline constexpr char kParagraphEnd[] = R"(\par \pard)";
inline constexpr char kEmptyLineHeading[] = R"(\par \b)";
inline constexpr char kHeading[] = R"(\b)";
inline constexpr char kDocumentEnd[] = R"(\par })";

// The prolog, the colour table and the escaped title.
QList<QByteArray> reportStart(const QString &title);
// A bold heading over a bulleted list of lines.
QList<QByteArray> headedList(const char *headingFormat, const QString &heading,
                             const QList<QByteArray> &items);
} // namespace rtfpiece

// Each character as the hexadecimal escape of its code-page byte (\'C0, upper-case digits); a
// character the code page lacks as a Unicode escape \uN? of its UTF-16 unit.
QByteArray rtfEscaped(const QString &text);

// The escaped cells separated by \tab; an empty cell leaves just its tab.
QByteArray rtfTabbed(const QStringList &cells);

// Ends every line but the last with a backslash: with the line end that follows, an RTF
// paragraph break inside the current paragraph format.
QList<QByteArray> rtfLineBreaks(QList<QByteArray> lines);

// The lines, each with a CR LF line end.
QByteArray rtfDocument(const QList<QByteArray> &lines);

enum class ReportFileError { None, OldFileNotRemoved, NotWritten };

struct ReportFileResult {
    QString path;
    ReportFileError error = ReportFileError::None;

    bool ok() const { return error == ReportFileError::None; }
};

// Writes `content` as `fileName` in `folder`. An existing file of that name is made writable and
// deleted first; the new file appears only once it has been written completely.
ReportFileResult writeReportFile(const QString &folder, const QString &fileName,
                                 const QByteArray &content);
