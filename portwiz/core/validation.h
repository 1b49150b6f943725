#pragma once

#include <QString>

#include <optional>

// A VID or PID as typed: blanks at both ends are ignored, then up to four hexadecimal digits
// (an empty field counts as 0). Gives the four upper-case digits, zero-padded on the left, or
// nothing when the text is not such a number.
std::optional<QString> usbIdFromEntry(const QString &text);

// A directory typed for the target or the generation directory: not blank, no control character,
// no " * < > ? | and no slash other than the separator, and a colon only directly before the
// separator (a drive).
bool isValidDirectoryName(const QString &text, QChar separator);

// True when the text would end a double-quoted INF string early or break its line.
bool breaksQuotedInfString(const QString &text);

// True when the text may serve as a Windows file name within the package folder.
bool isValidFileName(const QString &text);
