#pragma once

#include "packagesettings.h"

#include <QStringList>

// The summary page's two columns, line for line; empty strings are the spacer lines.
QStringList summaryLabels(DriverType type);
QStringList summaryValues(const PackageSettings &settings);

QString relativeInstallName(RelativeInstall relativeInstall);

QString yesNo(bool value);
