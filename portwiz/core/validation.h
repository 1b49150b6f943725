#pragma once

#include "packagesettings.h"

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

// Why an entry cannot go into the package's files; None when it can.
enum class EntryFault {
  None,
  ControlCharacter,    // a tab, a line break or another control character: a pasted line
                       // break would start a new line, or section, in the INF or setup.ini
  DoubleQuote,         // would end a double-quoted INF string early
  ForbiddenCharacter,  // a character Windows refuses in file names: \ / : * ? " < > |
  ReservedName,        // CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, with or without extension
  TrailingDotOrBlank,  // Windows drops it, so the file would get another name ("..", " ")
  NotADirectoryName,   // fails the directory-name check
  Unfilled,            // empty, or a VID or PID that is not four hexadecimal digits
};

bool containsControlCharacter(const QString &text);

// A name written between double quotes: the company, device and product names.
EntryFault quotedNameFault(const QString &text);

// A name that becomes a Windows file name in the package folder: the INF and installer names.
EntryFault fileNameFault(const QString &text);

// The target or the generation directory, as the directory-name check takes it.
EntryFault directoryFault(const QString &text, QChar separator);

// The first entry of the settings that cannot go into the package, with the name of its
// field as the wizard labels it; nothing when every entry the package uses can.
struct SettingsFault {
  QString fieldName;
  EntryFault fault;
};
std::optional<SettingsFault> packageSettingsFault(const PackageSettings &settings);
