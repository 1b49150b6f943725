#pragma once

#include "archiveerror.h"
#include "archivetypes.h"

#include <QVariantMap>

class QSqlQuery;

// Larger than any device's image by far; a bigger one is a fault of the caller.
constexpr qsizetype kMaxImageBytes = 1024 * 1024;

// The event columns that the events table and the outbox share, in the order readEvent
// takes them.
extern const QString kEventFields;
// The placeholders that match kEventFields, for eventValues.
QString eventPlaceholders();

// The event as it is stored: a UUID, the time (UTC, whole milliseconds) and the author filled in.
ArchiveEvent completedEvent(const ArchiveEvent &event, const Author &defaultAuthor);
// Refuses what the archive does not keep: an image over kMaxImageBytes.
ArchiveError checkEvent(const ArchiveEvent &event);
// The values for kEventFields, with the CRC-32 of each image.
QVariantMap eventValues(const ArchiveEvent &event);

// The event in the columns from `first` on. `rowId` names the row in messages. A code this
// program does not know fails the read; a failed CRC or an unreadable list of differences
// is described in EventRecord::damage and the rest is still given.
ArchiveResult<EventRecord> readEvent(const QSqlQuery &query, int first, qint64 rowId);
