#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// "C6 01 07 FF*3" → C6 01 07 FF FF FF: hex bytes separated by spaces, "XX*N" repeats one.
inline QByteArray hexBytes(const QString &text)
{
    QByteArray bytes;
    for (const QString &token : text.split(u' ', Qt::SkipEmptyParts)) {
        const QByteArray byte = QByteArray::fromHex(token.section(u'*', 0, 0).toLatin1());
        const int repeat = token.contains(u'*') ? token.section(u'*', 1).toInt() : 1;
        bytes += byte.repeated(repeat);
    }
    return bytes;
}
