#pragma once

#include "archivelocation.h"
#include "archivetypes.h"

class QSettings;

// The archive settings vexloader and vexctl share, kept per user under organisation
// "VexLoad", application "Archive" (HKCU\Software\VexLoad\Archive on Windows):
//
//   Enabled   "true"/"false"; missing: true
//   Operator  the name events are recorded under; empty or missing: the system user
//   Location  "sqlite" or "postgresql"; anything else: "sqlite"
//   Path      the SQLite file; empty or missing: defaultArchivePath()
//   Host, Port, Database, User   the PostgreSQL server (Port missing or not 1-65535: 5432)
//
// The server's password is never kept here: see archivekeyring.h.
struct ArchiveSettings {
    bool enabled = true;
    QString operatorName;
    ArchiveLocation::Engine engine = ArchiveLocation::Engine::Sqlite;
    QString filePath;
    ServerLocation server; // its password stays empty

    static ArchiveSettings load();
    void store() const;

    static ArchiveSettings fromSettings(const QSettings &store);
    void toSettings(QSettings &store) const;

    // The operator's name, or the system user's, on this machine.
    Author author() const;
    // Where to open the archive: the file (or the default one), or the server with
    // `password` and its outbox beside the default archive file.
    ArchiveLocation location(const QString &password = QString()) const;
};
