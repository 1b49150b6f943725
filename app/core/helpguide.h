#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// The help command: "help.chm" in the current folder when it is there, otherwise the
// user guide shipped beside the program (help/vexloader-help.html).
namespace helpguide {

// Opens a document the way the desktop does; false when nothing could open it.
using Opener = std::function<bool(const QUrl &)>;

// The guide's path for a program in `programFolder`.
QString guidePath(const QString &programFolder);

// Opens the help; returns what to tell the user when nothing opened (empty when it did).
QString openHelp(const QString &currentFolder, const QString &programFolder, const Opener &open);

} // namespace helpguide
