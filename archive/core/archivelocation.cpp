#include "archivelocation.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString dataFile(const QString &name)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)).filePath(name);
}

} // namespace

ArchiveLocation ArchiveLocation::file(const QString &path)
{
    ArchiveLocation location;
    location.filePath = path;
    return location;
}

ArchiveLocation ArchiveLocation::team(const ServerLocation &server, const QString &outboxPath)
{
    ArchiveLocation location;
    location.engine = Engine::Postgres;
    location.server = server;
    location.outboxPath = outboxPath;
    return location;
}

QString defaultArchivePath()
{
    return dataFile(QStringLiteral("archive.sqlite"));
}

QString defaultOutboxPath()
{
    return dataFile(QStringLiteral("archive-outbox.sqlite"));
}
