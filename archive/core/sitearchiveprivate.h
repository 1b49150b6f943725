#pragma once

// What the parts of SiteArchive share; not for callers.

#include "connection.h"
#include "outbox.h"
#include "sitearchive.h"

#include <QElapsedTimer>
#include <QSqlQuery>

struct SiteArchive::Private {
    Private(const ArchiveLocation &where, const Author &who);

    // (Re)opens the store and brings its schema up to this program's.
    ArchiveError connect();
    // The store, ready for a statement. A lost server is tried again when `force` is set or
    // once kReconnectIntervalMs have passed since the last attempt.
    ArchiveError ready(bool force = false);

    ArchiveResult<EventId> insertEvent(const ArchiveEvent &event);
    ArchiveResult<RecordReceipt> enqueue(const ArchiveEvent &event);
    // Sends the outbox oldest first; stops at the first failure.
    ArchiveResult<int> drain(bool force);

    // INSERT of `values` (column names from the program, never from the user); the new id.
    ArchiveResult<qint64> insert(const QString &table, const QVariantMap &values);
    // UPDATE of one row, stamped with the author; NotFound when there is no such row.
    ArchiveError update(const QString &table, qint64 id, QVariantMap values);

    template <typename Record, typename Reader>
    ArchiveResult<QList<Record>> list(const QString &sql, const QVariantMap &values, Reader read)
    {
        if (ArchiveError error = ready(); error.isError())
            return {{}, error};
        QSqlQuery query(store.database());
        if (ArchiveError error = store.run(query, sql, values); error.isError())
            return {{}, error};
        QList<Record> records;
        while (query.next()) {
            ArchiveResult<Record> row = read(query);
            if (!row.ok())
                return {{}, row.error};
            records.append(row.value);
        }
        return {records, store.rowsError(query)};
    }

    // The row of `sql`, which selects by :id.
    template <typename Record, typename Reader>
    ArchiveResult<Record> one(const QString &sql, qint64 id, Reader read)
    {
        const ArchiveResult<QList<Record>> rows = list<Record>(sql, {{QStringLiteral("id"), id}}, read);
        if (rows.ok() && rows.value.isEmpty())
            return {{}, ArchiveError::make(ArchiveError::Code::NotFound, QString::number(id))};
        return {rows.ok() ? rows.value.first() : Record(), rows.error};
    }

    ArchiveLocation location;
    Author author;
    ArchiveConnection store;
    std::unique_ptr<Outbox> outbox;
    QElapsedTimer sinceConnectAttempt;
    ArchiveError connectError;
};
