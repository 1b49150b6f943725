#pragma once

#include "packagesettings.h"

#include <QList>

// One embedded file of the package and where it lands relative to the generation directory.
struct Payload {
  int resourceId = 0;
  QString folder;  // "x86", "x64", or empty for the generation directory itself
  QString fileName;
};

// Driver files in the order they are written.
QList<Payload> driverPayloads(const PackageSettings &settings);

Payload installerPayload(const PackageSettings &settings);

// The name setup.ini lists, e.g. ".\x64\quelser.sys".
QString packageRelativeName(const Payload &payload);

QString hostPathInPackage(const QString &generationDirectory, const Payload &payload);

QString payloadResourcePath(int resourceId);
