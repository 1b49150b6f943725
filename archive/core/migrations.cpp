#include "migrations.h"

#include "connection.h"

#include <QDateTime>

namespace {

const QString kCreateVersionTable = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS archive_schema (version INTEGER PRIMARY KEY, applied_at BIGINT NOT NULL, "
    "applied_by TEXT NOT NULL)");

// Who created and who last changed a site or a device; times in ms since 1970 UTC.
const QString kStampColumnsV1 = QStringLiteral(
    "created_at BIGINT NOT NULL, created_by TEXT NOT NULL, created_on TEXT NOT NULL, "
    "changed_at BIGINT NOT NULL, changed_by TEXT NOT NULL, changed_on TEXT NOT NULL");

// An event as both the events table and the outbox hold it. Times are ms since 1970 UTC in
// a BIGINT: the same on both engines, exact to compare, untouched by any driver's time zone.
const QString kEventColumnsV1 = QStringLiteral(
    "uuid TEXT NOT NULL UNIQUE, kind TEXT NOT NULL, at_ms BIGINT NOT NULL, port TEXT NOT NULL, "
    "operator_name TEXT NOT NULL, machine TEXT NOT NULL, outcome TEXT NOT NULL, "
    "type_code SMALLINT NOT NULL CHECK (type_code BETWEEN 0 AND 255), "
    "variant SMALLINT NOT NULL CHECK (variant BETWEEN 0 AND 255), "
    "eeprom {blob}, eeprom_crc BIGINT NOT NULL, memory {blob}, memory_crc BIGINT NOT NULL, "
    "differences TEXT NOT NULL, file_path TEXT NOT NULL");

// name_key and address_key hold the folded text that searches compare with, since neither
// engine folds Cyrillic letter case in LIKE. A text search reads every site whatever the
// index, so sites have none for names: sorting the few matches is cheaper than walking one.
const QStringList kArchiveV1 = {
    QStringLiteral("CREATE TABLE sites (id {id}, name TEXT NOT NULL, address TEXT NOT NULL, contact TEXT NOT NULL, "
                   "notes TEXT NOT NULL, name_key TEXT NOT NULL, address_key TEXT NOT NULL, "
                   "archived {bool} NOT NULL, ")
        + kStampColumnsV1 + u')',
    QStringLiteral("CREATE TABLE devices (id {id}, site_id BIGINT NOT NULL REFERENCES sites (id), "
                   "type_code SMALLINT NOT NULL CHECK (type_code BETWEEN 0 AND 255), "
                   "variant SMALLINT NOT NULL CHECK (variant BETWEEN 0 AND 255), object_number TEXT NOT NULL, "
                   "place TEXT NOT NULL, notes TEXT NOT NULL, archived {bool} NOT NULL, ")
        + kStampColumnsV1 + u')',
    QStringLiteral("CREATE INDEX devices_site ON devices (site_id)"),
    QStringLiteral("CREATE INDEX devices_object ON devices (object_number, type_code)"),
    QStringLiteral("CREATE INDEX devices_type ON devices (type_code)"),
    QStringLiteral("CREATE TABLE events (id {id}, device_id BIGINT REFERENCES devices (id), ") + kEventColumnsV1 + u')',
    QStringLiteral("CREATE INDEX events_device ON events (device_id, at_ms)"),
    QStringLiteral("CREATE INDEX events_time ON events (at_ms)"),
    QStringLiteral("CREATE INDEX events_outcome ON events (outcome, at_ms)"),
    QStringLiteral("CREATE INDEX events_type ON events (type_code, at_ms)"),
};

// sent_at stays empty until the server holds the event.
const QStringList kOutboxV1 = {
    QStringLiteral("CREATE TABLE outbox (seq {id}, queued_at BIGINT NOT NULL, sent_at BIGINT, device_id BIGINT, ")
        + kEventColumnsV1 + u')',
    QStringLiteral("CREATE INDEX outbox_pending ON outbox (sent_at, seq)"),
};

ArchiveResult<int> storedVersion(ArchiveConnection &connection)
{
    const ArchiveResult<qint64> version = connection.number(QStringLiteral("SELECT MAX(version) FROM archive_schema"));
    // A number past int is as unknown to this program as any other newer version.
    return {int(qBound(qint64(0), version.value, qint64(std::numeric_limits<int>::max()))), version.error};
}

ArchiveError runAll(ArchiveConnection &connection, const QStringList &statements)
{
    for (const QString &statement : statements) {
        if (statement.isEmpty())
            continue;
        if (ArchiveError error = connection.run(connection.dialect().expand(statement)); error.isError())
            return error;
    }
    return {};
}

// One step inside its transaction.
ArchiveError applyStep(ArchiveConnection &connection, const Migration &step, int latest, const Author &author)
{
    if (ArchiveError error = runAll(connection, {connection.dialect().migrationLock(), kCreateVersionTable}); error.isError())
        return error;
    // Another program may have migrated while this one waited for the lock.
    const ArchiveResult<int> current = storedVersion(connection);
    if (!current.ok())
        return current.error;
    if (current.value > latest)
        return ArchiveError::tooNew(current.value, latest);
    if (current.value >= step.version)
        return {};
    if (ArchiveError error = runAll(connection, step.statements); error.isError())
        return error;
    return connection.run(
        QStringLiteral("INSERT INTO archive_schema (version, applied_at, applied_by) VALUES (:version, :at, :by)"),
        {{QStringLiteral("version"), step.version},
         {QStringLiteral("at"), QDateTime::currentMSecsSinceEpoch()},
         {QStringLiteral("by"), author.operatorName + u'@' + author.machine}});
}

ArchiveError applyInTransaction(ArchiveConnection &connection, const Migration &step, int latest, const Author &author)
{
    if (ArchiveError error = connection.run(connection.dialect().beginWrite()); error.isError())
        return error;
    if (ArchiveError error = applyStep(connection, step, latest, author); error.isError()) {
        connection.run(QStringLiteral("ROLLBACK"));
        return error;
    }
    return connection.run(QStringLiteral("COMMIT"));
}

} // namespace

const QList<Migration> &archiveMigrations()
{
    static const QList<Migration> steps = {{1, kArchiveV1}};
    return steps;
}

const QList<Migration> &outboxMigrations()
{
    static const QList<Migration> steps = {{1, kOutboxV1}};
    return steps;
}

ArchiveResult<int> schemaVersion(ArchiveConnection &connection)
{
    const SqlDialect &dialect = connection.dialect();
    const ArchiveResult<qint64> hasVersions =
        connection.number(dialect.tableExists(), {{QStringLiteral("name"), QStringLiteral("archive_schema")}});
    if (!hasVersions.ok() || hasVersions.value > 0)
        return hasVersions.ok() ? storedVersion(connection) : ArchiveResult<int>{0, hasVersions.error};
    const ArchiveResult<qint64> tables = connection.number(dialect.countTables());
    if (tables.ok() && tables.value > 0)
        return {0, ArchiveError::make(ArchiveError::Code::NotAnArchive)};
    return {0, tables.error};
}

ArchiveError prepareSchema(ArchiveConnection &connection, const QList<Migration> &migrations, const Author &author)
{
    const int latest = migrations.isEmpty() ? 0 : migrations.last().version;
    const ArchiveResult<int> found = schemaVersion(connection);
    if (!found.ok())
        return found.error;
    if (found.value > latest)
        return ArchiveError::tooNew(found.value, latest);
    if (ArchiveError error = runAll(connection, connection.dialect().sessionSetup()); error.isError())
        return error;
    for (const Migration &step : migrations) {
        if (step.version <= found.value)
            continue;
        if (ArchiveError error = applyInTransaction(connection, step, latest, author); error.isError())
            return error;
    }
    return {};
}
