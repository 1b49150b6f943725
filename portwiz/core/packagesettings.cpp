#include "packagesettings.h"

#include "hostpaths.h"

namespace {

QString defaultGenerationDirectory(DriverType type)
{
  const QString folder = type == DriverType::SerialPort ? QStringLiteral("CustomQL410xDriverInstall")
                                                        : QStringLiteral("CustomBrisklinkDriverInstall");
  return hostPath(defaultPackageRoot() + QStringLiteral("Quellon/MCU/") + folder);
}

void applyTypeDefaults(PackageSettings &settings, DriverType type)
{
  const bool serialPort = type == DriverType::SerialPort;
  settings.companyName = QStringLiteral("Quellon");
  settings.companyAbbreviation = QStringLiteral("quel");
  settings.infName = serialPort ? QStringLiteral("quelvcp") : QStringLiteral("Qxusb");
  settings.vid = QString::fromLatin1(kDefaultVid);
  settings.pid = defaultPid(type);
  settings.deviceName = serialPort ? QStringLiteral("QL410x USB to UART Bridge") : QStringLiteral("Brisklink Device");
  settings.installerName = serialPort ? QStringLiteral("QL410xVCPInstaller") : QStringLiteral("BrisklinkInstaller");
  settings.productName = serialPort ? QStringLiteral("Quellon QL410x USB to UART Bridge")
                                    : QStringLiteral("Quellon Brisklink Device");
  settings.quietInstall = false;
  settings.copyFiles = true;
  settings.relativeInstall = RelativeInstall::ProgramFiles;
  settings.quietUninstall = false;
  settings.removeFiles = true;
  settings.targetDirectory = serialPort ? QStringLiteral("Quellon\\MCU\\QL410x\\") : QStringLiteral("Quellon\\MCU\\Brisklink\\");
  settings.generationDirectory = defaultGenerationDirectory(type);
  // The direct-access drivers exist only for the older systems.
  if (!serialPort)
    settings.targetSystem = TargetSystem::WindowsXpFamily;
}

} // namespace

void selectDriverType(PackageSettings &settings, DriverType type)
{
  if (type == settings.driverType || type == DriverType::None)
    return;
  settings.driverType = type;
  applyTypeDefaults(settings, type);
}

QString defaultPid(DriverType type)
{
  return QString::fromLatin1(type == DriverType::DirectAccess ? kDefaultDirectAccessPid : kDefaultSerialPortPid);
}

int kmdfMinorVersion(const PackageSettings &settings)
{
  return settings.targetSystem == TargetSystem::Windows7 ? 9 : 7;
}
