// Opening, recording events (through the outbox when the server is away), the integrity
// check and the backup copy.
#include "sitearchive.h"

#include "eventrows.h"
#include "migrations.h"
#include "sitearchiveprivate.h"
#include "siterows.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

namespace {

using Code = ArchiveError::Code;
using Engine = ArchiveLocation::Engine;

// The integrity check can list every broken page; the first few say enough.
constexpr int kIntegrityLinesShown = 5;

} // namespace

SiteArchive::Private::Private(const ArchiveLocation &where, const Author &who)
    : location(where), author(who), store(where.engine)
{
}

ArchiveError SiteArchive::Private::connect()
{
    sinceConnectAttempt.start();
    connectError = location.engine == Engine::Sqlite ? store.openFile(location.filePath) : store.openServer(location.server);
    if (!connectError.isError())
        connectError = prepareSchema(store, archiveMigrations(), author);
    if (connectError.isError())
        store.database().close();
    return connectError;
}

ArchiveError SiteArchive::Private::ready(bool force)
{
    if (store.isOpen())
        return {};
    if (!force && sinceConnectAttempt.isValid() && !sinceConnectAttempt.hasExpired(kReconnectIntervalMs))
        return connectError;
    return connect();
}

ArchiveResult<EventId> SiteArchive::Private::insertEvent(const ArchiveEvent &event)
{
    const QVariantMap values = eventValues(event);
    QSqlQuery query(store.database());
    const QString sql = QStringLiteral("INSERT INTO events (%1) VALUES (%2) ON CONFLICT (uuid) DO NOTHING RETURNING id")
                            .arg(kEventFields, eventPlaceholders());
    if (ArchiveError error = store.run(query, sql, values); error.isError())
        return {0, error};
    const EventId id = store.returnedId(query);
    if (id)
        return {id, {}};
    // Already there: sent once before a crash kept it from being marked sent.
    return store.number(QStringLiteral("SELECT id FROM events WHERE uuid = :uuid"),
                        {{QStringLiteral("uuid"), values.value(QStringLiteral("uuid"))}});
}

ArchiveResult<RecordReceipt> SiteArchive::Private::enqueue(const ArchiveEvent &event)
{
    return {{event.uuid, 0, true}, outbox->enqueue(event)};
}

ArchiveResult<int> SiteArchive::Private::drain(bool force)
{
    int sent = 0;
    for (;;) {
        const ArchiveResult<std::optional<QueuedEvent>> next = outbox->oldest();
        if (!next.ok() || !next.value)
            return {sent, next.error};
        if (ArchiveError error = ready(force); error.isError())
            return {sent, error};
        const ArchiveResult<EventId> stored = insertEvent(next.value->event);
        if (!stored.ok())
            return {sent, stored.error};
        if (ArchiveError error = outbox->markSent(next.value->seq); error.isError())
            return {sent, error};
        ++sent;
    }
}

ArchiveResult<qint64> SiteArchive::Private::insert(const QString &table, const QVariantMap &values)
{
    if (ArchiveError error = ready(); error.isError())
        return {0, error};
    const QStringList columns = values.keys();
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (:%3) RETURNING id")
                            .arg(table, columns.join(QStringLiteral(", ")), columns.join(QStringLiteral(", :")));
    QSqlQuery query(store.database());
    if (ArchiveError error = store.run(query, sql, values); error.isError())
        return {0, error};
    const qint64 id = store.returnedId(query);
    return {id, id ? ArchiveError() : store.rowsError(query)};
}

ArchiveError SiteArchive::Private::update(const QString &table, qint64 id, QVariantMap values)
{
    if (ArchiveError error = ready(); error.isError())
        return error;
    values.insert(stampValues(author, false));
    QStringList assignments;
    for (const QString &column : values.keys())
        assignments.append(column + QStringLiteral(" = :") + column);
    values.insert(QStringLiteral("id"), id);
    QSqlQuery query(store.database());
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE id = :id").arg(table, assignments.join(QStringLiteral(", ")));
    if (ArchiveError error = store.run(query, sql, values); error.isError())
        return error;
    return query.numRowsAffected() > 0 ? ArchiveError() : ArchiveError::make(Code::NotFound, QString::number(id));
}

SiteArchive::SiteArchive(std::unique_ptr<Private> p) : d(std::move(p))
{
}

SiteArchive::~SiteArchive() = default;

ArchiveResult<std::unique_ptr<SiteArchive>> SiteArchive::open(const ArchiveLocation &location, const Author &author)
{
    auto d = std::make_unique<Private>(location, author);
    if (location.engine == Engine::Postgres && !location.outboxPath.isEmpty()) {
        ArchiveResult<std::unique_ptr<Outbox>> outbox = Outbox::open(location.outboxPath, author);
        if (!outbox.ok())
            return {nullptr, outbox.error};
        d->outbox = std::move(outbox.value);
    }
    const ArchiveError error = d->connect();
    const bool queueing = d->outbox && error.code == Code::ServerUnreachable;
    if (error.isError() && !queueing)
        return {nullptr, error};
    return {std::unique_ptr<SiteArchive>(new SiteArchive(std::move(d))), {}};
}

ArchiveResult<RecordReceipt> SiteArchive::record(const ArchiveEvent &event)
{
    const ArchiveEvent completed = completedEvent(event, d->author);
    if (ArchiveError error = checkEvent(completed); error.isError())
        return {{}, error};
    // What waits in the outbox goes first, so that the server holds events in recording order.
    if (d->outbox && !d->drain(false).ok())
        return d->enqueue(completed);
    ArchiveError error = d->ready();
    const ArchiveResult<EventId> stored = error.isError() ? ArchiveResult<EventId>{0, error} : d->insertEvent(completed);
    if (d->outbox && stored.error.code == Code::ServerUnreachable)
        return d->enqueue(completed);
    return {{completed.uuid, stored.value, false}, stored.error};
}

ArchiveResult<int> SiteArchive::sendQueued()
{
    if (!d->outbox)
        return {0, {}};
    return d->drain(true);
}

ArchiveResult<qint64> SiteArchive::queuedCount()
{
    if (!d->outbox)
        return {0, {}};
    return d->outbox->pendingCount();
}

bool SiteArchive::isOnline() const
{
    return d->store.isOpen();
}

ArchiveError SiteArchive::checkIntegrity()
{
    if (ArchiveError error = d->ready(); error.isError())
        return error;
    const QString check = d->store.dialect().integrityCheck();
    if (check.isEmpty())
        return {};
    QSqlQuery query(d->store.database());
    if (ArchiveError error = d->store.run(query, check); error.isError())
        return error;
    QStringList findings;
    while (query.next() && findings.size() < kIntegrityLinesShown)
        findings.append(query.value(0).toString());
    if (findings == QStringList{QStringLiteral("ok")})
        return {};
    return ArchiveError::make(Code::Damaged, findings.join(QStringLiteral("; ")));
}

ArchiveError SiteArchive::backup(const QString &path)
{
    if (d->location.engine != Engine::Sqlite)
        return ArchiveError::make(Code::ServerBackup);
    const QFileInfo target(path);
    if (target.exists() && target.canonicalFilePath() == QFileInfo(d->location.filePath).canonicalFilePath())
        return ArchiveError::make(Code::BackupOverArchive, path);
    if (ArchiveError error = d->ready(); error.isError())
        return error;
    // VACUUM INTO writes only into an empty file; the copy is complete before it takes the name.
    QTemporaryFile copy(target.absoluteDir().filePath(QStringLiteral(".archive-backup-XXXXXX")));
    if (!copy.open())
        return ArchiveError::make(Code::BackupFailed, path + QStringLiteral(": ") + copy.errorString());
    copy.close();
    if (ArchiveError error = d->store.run(QStringLiteral("VACUUM INTO :path"), {{QStringLiteral("path"), copy.fileName()}});
        error.isError())
        return ArchiveError::make(Code::BackupFailed, error.message);
    std::error_code failure;
    std::filesystem::rename(copy.fileName().toStdU16String(), target.absoluteFilePath().toStdU16String(), failure);
    if (failure)
        return ArchiveError::make(Code::BackupFailed, path + QStringLiteral(": ") + QString::fromStdString(failure.message()));
    return {};
}
