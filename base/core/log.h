#pragma once

#include <QByteArray>
#include <QString>

// Appends one record to "Logs/VexLoader.log" under the current directory (or the folder set
// with setLogBaseFolder), creating the folder and the file (with its header line) on the
// first record. Lines end in CR LF.
// A failing write is reported in an error box once; the box appears again only after a
// later write has succeeded and a new failure occurs, so that an exchange of hundreds of
// frames never stacks hundreds of boxes. The caller always goes on.
void WriteLog(const QString &message, const QString &module, const QString &procedure);

// The folder under which "Logs" is kept from now on; empty (the default) is the current
// directory, looked up at every record.
void setLogBaseFolder(const QString &folder);

// Every byte as two upper-case hex digits followed by a space: "C6 01 07 ".
QString hexFrame(const QByteArray &frame);

// The header line written when the log file is created (without its line end).
inline constexpr char kLogHeader[] = "Date_Time;Error^100;Module^30;Procedure/Function^30";
