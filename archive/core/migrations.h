#pragma once

#include "archiveerror.h"
#include "archivetypes.h"

#include <QList>
#include <QStringList>

class ArchiveConnection;

// One step of the schema. Each list only grows: a released step is never edited, a change
// is a new step at the end with the next version number.
struct Migration {
    int version;
    QStringList statements; // with the dialect's {id}, {blob} and {bool}
};

const QList<Migration> &archiveMigrations();
const QList<Migration> &outboxMigrations();

// The version the database holds; 0 for an empty one. A database that has tables but no
// version table belongs to something else and is refused.
ArchiveResult<int> schemaVersion(ArchiveConnection &connection);

// Refuses a schema newer than the last of `migrations` or one that is not an archive
// without changing anything, then sets the connection up and applies each missing step in
// a transaction of its own, together with its row in the version table.
ArchiveError prepareSchema(ArchiveConnection &connection, const QList<Migration> &migrations, const Author &author);
