#include "payloads.h"

#include "hostpaths.h"

namespace {

QList<Payload> serialPortPayloads(const PackageSettings &settings)
{
  const bool windows7 = settings.targetSystem == TargetSystem::Windows7;
  const QString coInstaller = QStringLiteral("WdfCoInstaller0100%1.dll").arg(kmdfMinorVersion(settings));
  const QString x64 = QStringLiteral("x64");
  const QString x86 = QStringLiteral("x86");
  return {
      {windows7 ? 256 : 243, x64, QStringLiteral("quelser.sys")},
      {245, x64, QStringLiteral("quelenm.sys")},
      {windows7 ? 257 : 244, x64, coInstaller},
      {windows7 ? 253 : 247, x86, QStringLiteral("quelser.sys")},
      {246, x86, QStringLiteral("quelenm.sys")},
      {windows7 ? 255 : 248, x86, coInstaller},
  };
}

QList<Payload> directAccessPayloads()
{
  const QString x64 = QStringLiteral("x64");
  const QString x86 = QStringLiteral("x86");
  return {
      {236, x64, QStringLiteral("Qxusb.sys")},
      {235, x64, QStringLiteral("Qxlib.sys")},
      {238, x86, QStringLiteral("Qxusb.sys")},
      {237, x86, QStringLiteral("Qxlib.sys")},
  };
}

} // namespace

QList<Payload> driverPayloads(const PackageSettings &settings)
{
  return settings.driverType == DriverType::DirectAccess ? directAccessPayloads() : serialPortPayloads(settings);
}

Payload installerPayload(const PackageSettings &settings)
{
  return {234, QString(), settings.installerName + QStringLiteral(".exe")};
}

QString packageRelativeName(const Payload &payload)
{
  return QStringLiteral(".\\%1\\%2").arg(payload.folder, payload.fileName);
}

QString hostPathInPackage(const QString &generationDirectory, const Payload &payload)
{
  const QString folder = payload.folder.isEmpty() ? QString() : payload.folder + hostSeparator();
  return withTrailingSeparator(generationDirectory) + folder + payload.fileName;
}

QString payloadResourcePath(int resourceId)
{
  return QStringLiteral(":/portwiz/payloads/%1").arg(resourceId);
}
