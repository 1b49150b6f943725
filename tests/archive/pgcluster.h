#pragma once

#include "archivebackend.h"

#include <QTemporaryDir>

// A PostgreSQL server of the test's own: a cluster that initdb makes in a temporary folder,
// reached only through a Unix socket in that folder, so it needs no free TCP port and meets
// no other server. PostgreSQL refuses to run as root: under root the server programs run as
// "nobody", who is given the folder.
class PgCluster
{
public:
    PgCluster();
    ~PgCluster();
    PgCluster(const PgCluster &) = delete;
    PgCluster &operator=(const PgCluster &) = delete;

    // Makes the cluster the first time, then starts the server and waits until it answers.
    bool start();
    bool stop();
    // What this machine lacks to run a server (programs or Qt's driver); empty when nothing.
    QString missing() const { return m_missing; }
    // What went wrong last; empty when the last step went well.
    QString failure() const { return m_failure; }
    // A new, empty database.
    ServerLocation createDatabase();

private:
    bool run(const QString &tool, const QStringList &arguments);
    bool handFolderToServerUser();
    ServerLocation location(const QString &database) const;

    QString m_bin;
    QString m_missing;
    QString m_failure;
    QTemporaryDir m_dir;
    bool m_made = false;
    bool m_running = false;
    int m_databases = 0;
};

// The shared suite on databases of that server.
class PgBackend : public ArchiveBackend
{
public:
    explicit PgBackend(PgCluster &cluster) : m_cluster(cluster) {}
    QString skipReason() const override { return m_cluster.missing(); }
    QString failure() const override { return m_cluster.failure(); }
    ArchiveLocation freshLocation() override { return ArchiveLocation::team(m_cluster.createDatabase(), QString()); }

private:
    PgCluster &m_cluster;
};
