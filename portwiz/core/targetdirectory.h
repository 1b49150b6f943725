#pragma once

#include "packagesettings.h"

// The target directory is a path on the machine the package is installed on, always a Windows
// path. For the relative types the field holds the part after the prefix label.

QString targetPrefixLabel(RelativeInstall relativeInstall);

// The field's text after the user chose the list entry: the relative types drop every "C:\",
// the explicit type puts it in front unless the text holds one already.
QString adjustTargetDirectory(const QString &text, RelativeInstall relativeInstall);
