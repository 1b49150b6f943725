#include "rtfreport.h"

#include "cp1251.h"
#include "safefile.h"

#include <QDir>
#include <QFile>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

QByteArray hexEscape(quint8 byte)
{
    QByteArray escape("\\'");
    escape.append(kHexDigits[byte >> 4]);
    escape.append(kHexDigits[byte & 0x0F]);
    return escape;
}

// \u takes a signed 16-bit number: units above 0x7FFF are written negative.
QByteArray unicodeEscape(QChar ch)
{
    return "\\u" + QByteArray::number(qint16(ch.unicode())) + '?';
}

// A report left read-only, by the user or by a viewer, must not block the new one.
bool removeOldFile(const QString &path)
{
    QFile old(path);
    if (!old.exists())
        return true;
    old.setPermissions(old.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return old.remove();
}

} // namespace

QByteArray rtfEscaped(const QString &text)
{
    QByteArray rtf;
    for (QChar ch : text) {
        const std::optional<char> byte = cp1251Byte(ch);
        rtf += byte ? hexEscape(quint8(*byte)) : unicodeEscape(ch);
    }
    return rtf;
}

QByteArray rtfTabbed(const QStringList &cells)
{
    QList<QByteArray> escaped;
    for (const QString &cell : cells)
        escaped.append(rtfEscaped(cell));
    return escaped.join("\\tab");
}

QList<QByteArray> rtfLineBreaks(QList<QByteArray> lines)
{
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        lines[i].append('\\');
    return lines;
}

QByteArray rtfDocument(const QList<QByteArray> &lines)
{
    QByteArray document;
    for (const QByteArray &line : lines)
        document += line + "\r\n";
    return document;
}

ReportFileResult writeReportFile(const QString &folder, const QString &fileName,
                                 const QByteArray &content)
{
    const QString path = QDir(folder).filePath(fileName);
    if (!removeOldFile(path))
        return {path, ReportFileError::OldFileNotRemoved};
    if (!saveFileAtomically(path, content))
        return {path, ReportFileError::NotWritten};
    return {path, ReportFileError::None};
}
