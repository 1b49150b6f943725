#pragma once

#include "archiveerror.h"
#include "archivetypes.h"
#include "connection.h"

#include <memory>
#include <optional>

// An event waiting to be sent; `seq` is its place in the queue.
struct QueuedEvent {
    qint64 seq = 0;
    ArchiveEvent event;
};

// Events recorded while the server could not be reached, in a local SQLite file, in
// recording order. Sent ones stay, marked with the time they went, as this machine's trail.
class Outbox
{
public:
    static ArchiveResult<std::unique_ptr<Outbox>> open(const QString &path, const Author &author);

    // Adds the event at the end; an event already queued (same UUID) is not added again.
    ArchiveError enqueue(const ArchiveEvent &event);
    // The oldest event not sent yet; nothing when the queue is empty.
    ArchiveResult<std::optional<QueuedEvent>> oldest();
    ArchiveError markSent(qint64 seq);
    ArchiveResult<qint64> pendingCount();

private:
    Outbox();

    ArchiveConnection m_connection;
};
