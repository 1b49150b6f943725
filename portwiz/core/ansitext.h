#pragma once

#include <QByteArray>
#include <QString>

// The package's text files are read by Windows as ANSI text, code page 1252.
// Characters outside that code page become '?', as Windows' own conversion does.
QByteArray toWindows1252(const QString &text);
