#pragma once

#include "archivesettings.h"
#include "sitearchive.h"

#include <QDir>
#include <QSettings>

// A test's per-user settings (port, recent files, the archive's) kept in a folder of its own,
// with the site archive in a file there: the user's own are neither read nor changed. For the
// tests whose executables link the main window.

inline QString privateArchivePath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("archive.sqlite"));
}

inline void usePrivateSettings(const QString &folder, bool archiveEnabled = true)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    ArchiveSettings archive;
    archive.enabled = archiveEnabled;
    archive.filePath = privateArchivePath(folder);
    archive.store();
}

// The archive the main window records into, opened beside it; null when it cannot be.
inline std::unique_ptr<SiteArchive> openPrivateArchive(const QString &folder)
{
    return std::move(SiteArchive::open(ArchiveLocation::file(privateArchivePath(folder))).value);
}
