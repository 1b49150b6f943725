#include "archivelocation.h"

#include <QDir>
#include <QStandardPaths>

namespace {

// vexloader's data folder, whichever program asks: vexctl records into the same archive.
QString dataFile(const QString &name)
{
    const QDir shared(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return shared.filePath(QStringLiteral("vexloader/") + name);
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
