#pragma once

#include <QString>

// Paths on the machine that runs the wizard. The package's own contents (INF, setup.ini, target
// directory) always use Windows paths; only the generation directory is a host path.

// Folder that the default generation directory starts in, ending in a separator: the drive of the
// Windows folder (e.g. "C:\") on Windows, the user's home folder elsewhere.
QString defaultPackageRoot();

QChar hostSeparator();

// The path written with the host's separators.
QString hostPath(const QString &path);

QString withTrailingSeparator(const QString &hostPathText);
