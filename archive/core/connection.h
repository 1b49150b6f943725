#pragma once

#include "archiveerror.h"
#include "sqldialect.h"

#include <QSqlDatabase>
#include <QVariantMap>

class QSqlError;
class QSqlQuery;

// One named Qt SQL connection, closed and removed with this object. Like every Qt SQL
// connection it is used only from the thread that made it.
class ArchiveConnection
{
public:
    explicit ArchiveConnection(SqlDialect::Engine engine);
    ~ArchiveConnection();
    ArchiveConnection(const ArchiveConnection &) = delete;
    ArchiveConnection &operator=(const ArchiveConnection &) = delete;

    // Opens the file (creating it and its folder when missing) and reads it once.
    ArchiveError openFile(const QString &path);
    // Connects to the server; a lost connection is opened again with the same settings.
    ArchiveError openServer(const ServerLocation &server);
    bool isOpen() const;

    const SqlDialect &dialect() const { return m_dialect; }
    QSqlDatabase database() const;

    // Prepares `sql`, binds each of `values` to its ":name" and runs it into `query`. On a
    // server that no longer answers, the connection is closed and ServerUnreachable returned.
    ArchiveError run(QSqlQuery &query, const QString &sql, const QVariantMap &values = {});
    // The same, for a statement whose rows are not read.
    ArchiveError run(const QString &sql, const QVariantMap &values = {});
    // The first column of the first row as a number; 0 when the row or the value is missing.
    ArchiveResult<qint64> number(const QString &sql, const QVariantMap &values = {});
    // The id that a statement with RETURNING gave, 0 for none. SQLite commits such a
    // statement, and checkpoints its log, only once it has run to the end: it is read there.
    qint64 returnedId(QSqlQuery &query);
    // The error that ended reading the rows of `query`, if one did.
    ArchiveError rowsError(const QSqlQuery &query);

private:
    ArchiveError openAndProbe(const QString &where);
    ArchiveError failure(const QSqlError &error);
    bool answers();

    SqlDialect m_dialect;
    QString m_name;
};
