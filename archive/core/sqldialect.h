#pragma once

#include "archivelocation.h"

#include <QStringList>

class QSqlError;

// Everything that differs between SQLite and PostgreSQL, so that the rest of the archive
// writes each statement once for both.
class SqlDialect
{
public:
    using Engine = ArchiveLocation::Engine;

    explicit SqlDialect(Engine engine) : m_engine(engine) {}

    Engine engine() const { return m_engine; }
    QString driverName() const;
    // Schema text with {id}, {blob} and {bool} replaced by this engine's column types.
    QString expand(QString sql) const;
    // The first statement after connecting; it reads the file, so garbage shows at open.
    QString probe() const;
    QString countTables() const; // tables in the archive's namespace
    QString tableExists() const; // takes :name
    // Connection settings, run once the schema version is known to be one this program reads.
    QStringList sessionSetup() const;
    QString beginWrite() const;
    // Empty where beginWrite already keeps every other writer out.
    QString migrationLock() const;
    // Empty where the engine has no check to run.
    QString integrityCheck() const;
    bool isDamage(const QSqlError &error) const;
    // True for an error that a lost server connection may have caused (to be confirmed by
    // asking the server again); never for an error the server reported about the statement.
    bool mayBeLostConnection(const QSqlError &error) const;

private:
    Engine m_engine;
};
