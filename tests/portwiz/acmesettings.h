#pragma once

#include "packagesettings.h"

#include <QMetaType>

Q_DECLARE_METATYPE(PackageSettings)

// A customer's package with every entry typed in, as the tests' expected files show it.
inline PackageSettings acmeSerialPort(TargetSystem targetSystem)
{
  PackageSettings settings;
  settings.generateInstaller = true;
  settings.driverType = DriverType::SerialPort;
  settings.targetSystem = targetSystem;
  settings.companyName = QStringLiteral("Acme Controls");
  settings.companyAbbreviation = QStringLiteral("acme");
  settings.infName = QStringLiteral("abc");
  settings.vid = QStringLiteral("F0E1");
  settings.pid = QStringLiteral("C0A1");
  settings.deviceName = QStringLiteral("Acme USB Serial Cable");
  settings.installerName = QStringLiteral("AcmeSetup");
  settings.productName = QStringLiteral("Acme Serial Cable Driver");
  settings.targetDirectory = QStringLiteral("Acme\\Cable\\");
  return settings;
}

inline PackageSettings acmeDirectAccess()
{
  PackageSettings settings = acmeSerialPort(TargetSystem::WindowsXpFamily);
  settings.driverType = DriverType::DirectAccess;
  settings.pid = QStringLiteral("C0A2");
  settings.deviceName = QStringLiteral("Acme Brisklink Probe");
  settings.productName = QStringLiteral("Acme Brisklink Probe Driver");
  settings.relativeInstall = RelativeInstall::WindowsDrive;
  settings.targetDirectory = QStringLiteral("Acme\\Probe\\");
  return settings;
}
