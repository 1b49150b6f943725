#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What every RTF report of the editors shares. Reports declare code page 1251 (\ansicpg1251)
// and keep \uc1 in force, so that a Unicode escape is followed by one fallback character.

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
