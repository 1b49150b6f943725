#pragma once

#include <QString>

// Which driver set the package is built on.
enum class DriverType : quint8 {
  None = 0,
  SerialPort = 1,    // virtual COM port driver pair quelser/quelenm with the KMDF co-installer
  DirectAccess = 2,  // Brisklink driver pair Qxusb/Qxlib
};

enum class TargetSystem : qint32 {
  WindowsXpFamily = 0,  // "Windows 2K/XP/Vista/S2K3"
  Windows7 = 1,
};

// Where the installer's target directory is anchored on the user's machine.
enum class RelativeInstall : qint32 {
  ProgramFiles = 0,
  WindowsDrive = 1,
  Explicit = 2,
};

// Longest texts the wizard's fields take, in characters.
inline constexpr int kMaxAbbreviationLength = 31;
inline constexpr int kMaxInfNameLength = 8;
inline constexpr int kUsbIdLength = 4;
inline constexpr int kMaxNameLength = 255;
inline constexpr int kMaxInstallerNameLength = 32;
inline constexpr int kMaxPathLength = 260;

// Identifiers the wizard proposes. They belong to no USB vendor; a real package needs the
// identifiers that the device's maker registered.
inline constexpr char kDefaultVid[] = "F0E1";
inline constexpr char kDefaultSerialPortPid[] = "C0A1";
inline constexpr char kDefaultDirectAccessPid[] = "C0A2";

// Everything the wizard collects, carried from page to page.
struct PackageSettings {
  bool generateInstaller = true;
  DriverType driverType = DriverType::None;
  TargetSystem targetSystem = TargetSystem::WindowsXpFamily;
  QString companyName;
  QString companyAbbreviation;
  QString infName;
  QString vid;
  QString pid;
  QString deviceName;
  QString installerName;
  QString productName;
  bool quietInstall = false;
  bool copyFiles = true;
  RelativeInstall relativeInstall = RelativeInstall::ProgramFiles;
  QString targetDirectory;
  bool quietUninstall = false;
  bool removeFiles = true;
  // A host path; ends in the host's folder separator once the user has accepted it.
  QString generationDirectory;

  bool operator==(const PackageSettings &) const = default;
};

// Choosing another type replaces every entry with that type's defaults; choosing the type
// that is already set keeps the user's entries.
void selectDriverType(PackageSettings &settings, DriverType type);

QString defaultPid(DriverType type);

// Minor version of the KMDF co-installer the serial-port package ships: 1.7 or 1.9.
int kmdfMinorVersion(const PackageSettings &settings);
