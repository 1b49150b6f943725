#pragma once

#include <QString>

// A PostgreSQL server shared by a team. A host that starts with "/" names the folder of the
// server's Unix socket.
struct ServerLocation {
    static constexpr int kDefaultPort = 5432;
    static constexpr int kLastPort = 65535;

    QString host;
    int port = kDefaultPort;
    QString database;
    QString user;
    QString password;
};

// Where an archive lives: a SQLite file, or a server with a local outbox file that holds the
// events written while the server cannot be reached (none: such events are refused).
struct ArchiveLocation {
    enum class Engine { Sqlite, Postgres };

    Engine engine = Engine::Sqlite;
    QString filePath;
    ServerLocation server;
    QString outboxPath;

    static ArchiveLocation file(const QString &path);
    static ArchiveLocation team(const ServerLocation &server, const QString &outboxPath);
};

// The archive file in vexloader's data folder, which vexctl shares.
QString defaultArchivePath();
// The outbox of a server archive, beside it.
QString defaultOutboxPath();
