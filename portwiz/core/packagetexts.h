#pragma once

#include "packagesettings.h"

#include <QByteArray>

// The package's text files as the bytes written to disk: code page 1252, CR LF line ends.

// The serial-port INF's last line has no line end; the direct-access INF ends every line.
QByteArray packageInf(const PackageSettings &settings);

// The installer's configuration, read by the installer program from its own folder.
QByteArray setupIni(const PackageSettings &settings);
