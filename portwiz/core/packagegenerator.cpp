#include "packagegenerator.h"

#include "hostpaths.h"
#include "packagetexts.h"
#include "payloads.h"
#include "validation.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

// A half-written file never replaces a good one from an earlier run. Unbuffered, so that a
// short write (a full disk) is seen here and not lost in a buffer flushed at commit.
bool writeWholeFile(const QString &path, const QByteArray &bytes)
{
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    file.commit();
    return false;
  }
  return file.commit();
}

bool extractPayload(const QString &generationDirectory, const Payload &payload)
{
  QFile resource(payloadResourcePath(payload.resourceId));
  if (!resource.open(QIODevice::ReadOnly))
    return false;
  return writeWholeFile(hostPathInPackage(generationDirectory, payload), resource.readAll());
}

bool extractPayloads(const QString &generationDirectory, const QList<Payload> &payloads)
{
  return std::all_of(payloads.cbegin(), payloads.cend(),
                     [&](const Payload &payload) { return extractPayload(generationDirectory, payload); });
}

} // namespace

bool createDirectoryTree(const QString &path)
{
  return QDir().mkpath(path);
}

GenerationResult generatePackage(PackageSettings &settings)
{
  if (packageSettingsFault(settings))
    return GenerationResult::RefusedEntry;
  const QString folder = withTrailingSeparator(settings.generationDirectory);
  if (!createDirectoryTree(folder + QStringLiteral("x86")) || !createDirectoryTree(folder + QStringLiteral("x64")))
    return GenerationResult::DirectoryFailed;

  if (settings.driverType == DriverType::SerialPort)
    settings.companyAbbreviation = settings.companyAbbreviation.toUpper();
  if (!writeWholeFile(folder + settings.infName + QStringLiteral(".inf"), packageInf(settings)))
    return GenerationResult::FileFailed;
  if (settings.generateInstaller && !writeWholeFile(folder + QStringLiteral("setup.ini"), setupIni(settings)))
    return GenerationResult::FileFailed;

  if (!extractPayloads(folder, driverPayloads(settings)))
    return GenerationResult::FileFailed;
  if (settings.generateInstaller && !extractPayload(folder, installerPayload(settings)))
    return GenerationResult::FileFailed;
  return GenerationResult::Success;
}
