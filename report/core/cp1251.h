#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Windows code page 1251 (Cyrillic), the single-byte text of RTF reports and device texts.

// The code-page byte of a character, or nothing when the code page cannot hold it.
std::optional<char> cp1251Byte(QChar ch);

// The whole text in the code page, or nothing when one of its characters has no byte there.
std::optional<QByteArray> toCp1251(const QString &text);

// Every byte has a character: byte 0x98, unassigned in the code page, reads as U+0098 so that
// any device text survives a round trip.
QString fromCp1251(const QByteArray &bytes);
