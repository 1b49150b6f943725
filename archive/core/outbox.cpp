#include "outbox.h"

#include "eventrows.h"
#include "migrations.h"

#include <QDateTime>
#include <QSqlQuery>

Outbox::Outbox() : m_connection(SqlDialect::Engine::Sqlite)
{
}

ArchiveResult<std::unique_ptr<Outbox>> Outbox::open(const QString &path, const Author &author)
{
    std::unique_ptr<Outbox> outbox(new Outbox);
    ArchiveError error = outbox->m_connection.openFile(path);
    if (!error.isError())
        error = prepareSchema(outbox->m_connection, outboxMigrations(), author);
    if (error.isError())
        return {nullptr, error};
    return {std::move(outbox), {}};
}

ArchiveError Outbox::enqueue(const ArchiveEvent &event)
{
    QVariantMap values = eventValues(event);
    values.insert(QStringLiteral("queued_at"), QDateTime::currentMSecsSinceEpoch());
    return m_connection.run(QStringLiteral("INSERT INTO outbox (queued_at, %1) VALUES (:queued_at, %2) "
                                           "ON CONFLICT (uuid) DO NOTHING")
                                .arg(kEventFields, eventPlaceholders()),
                            values);
}

ArchiveResult<std::optional<QueuedEvent>> Outbox::oldest()
{
    QSqlQuery query(m_connection.database());
    const QString sql = QStringLiteral("SELECT seq, %1 FROM outbox WHERE sent_at IS NULL ORDER BY seq LIMIT 1").arg(kEventFields);
    if (ArchiveError error = m_connection.run(query, sql); error.isError())
        return {std::nullopt, error};
    if (!query.next())
        return {std::nullopt, {}};
    const qint64 seq = query.value(0).toLongLong();
    const ArchiveResult<EventRecord> read = readEvent(query, 1, seq);
    if (!read.ok())
        return {std::nullopt, read.error};
    return {QueuedEvent{seq, read.value.event}, {}};
}

ArchiveError Outbox::markSent(qint64 seq)
{
    return m_connection.run(QStringLiteral("UPDATE outbox SET sent_at = :at WHERE seq = :seq"),
                            {{QStringLiteral("at"), QDateTime::currentMSecsSinceEpoch()}, {QStringLiteral("seq"), seq}});
}

ArchiveResult<qint64> Outbox::pendingCount()
{
    return m_connection.number(QStringLiteral("SELECT count(*) FROM outbox WHERE sent_at IS NULL"));
}
