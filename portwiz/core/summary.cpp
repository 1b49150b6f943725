#include "summary.h"

namespace {

const QString kNotApplicable = QStringLiteral("-");

} // namespace

QString yesNo(bool value)
{
  return value ? QStringLiteral("Yes") : QStringLiteral("No");
}

QString relativeInstallName(RelativeInstall relativeInstall)
{
  switch (relativeInstall) {
  case RelativeInstall::ProgramFiles:
    return QStringLiteral("Relative To Program Files");
  case RelativeInstall::WindowsDrive:
    return QStringLiteral("Relative To Windows Drive");
  case RelativeInstall::Explicit:
    break;
  }
  return QStringLiteral("Explicit Directory");
}

QStringList summaryLabels(DriverType type)
{
  const QString deviceLabel =
      type == DriverType::DirectAccess ? QStringLiteral("* USB Device Name:") : QStringLiteral("* COM Device Name:");
  return {QStringLiteral("* Install Type:"),     QString(),
          QStringLiteral("* Company Name:"),     QStringLiteral("* Abbreviation:"),
          QString(),                             QStringLiteral("* VID/PID:"),
          QStringLiteral("* INF File Names:"),   deviceLabel,
          QString(),                             QStringLiteral("* Generate Installer?"),
          QStringLiteral("* Product Name:"),     QStringLiteral("* Installer Name:"),
          QStringLiteral("* Display Install?"),  QStringLiteral("* Copy Files?"),
          QStringLiteral("* Relative Install Type:"), QStringLiteral("* Target Directory:"),
          QStringLiteral("* Display Uninstall?"), QStringLiteral("* Remove Files?"),
          QString(),                             QStringLiteral("* Generation Directory:")};
}

QStringList summaryValues(const PackageSettings &settings)
{
  const bool installer = settings.generateInstaller;
  const bool copied = installer && settings.copyFiles;
  const auto ifInstaller = [installer](const QString &value) { return installer ? value : kNotApplicable; };
  const auto ifCopied = [copied](const QString &value) { return copied ? value : kNotApplicable; };
  const QString installType = settings.driverType == DriverType::DirectAccess ? QStringLiteral("Brisklink Driver Set")
                                                                              : QStringLiteral("VCP Driver Set");
  return {installType,
          QString(),
          settings.companyName,
          settings.companyAbbreviation,
          QString(),
          settings.vid + u'/' + settings.pid,
          settings.infName + QStringLiteral(".inf"),
          settings.deviceName,
          QString(),
          yesNo(installer),
          ifInstaller(settings.productName),
          ifInstaller(settings.installerName),
          ifInstaller(yesNo(!settings.quietInstall)),
          ifInstaller(yesNo(settings.copyFiles)),
          ifInstaller(relativeInstallName(settings.relativeInstall)),
          ifCopied(settings.targetDirectory),
          ifInstaller(yesNo(!settings.quietUninstall)),
          ifCopied(yesNo(settings.removeFiles)),
          QString(),
          settings.generationDirectory};
}
