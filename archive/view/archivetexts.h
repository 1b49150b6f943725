#pragma once

#include "archivetypes.h"

#include <QStringList>
#include <QTimeZone>

struct DeviceDefinition;

// The words and rows the archive window shows. Times are stored in UTC and shown in `zone`,
// the user's own unless a caller says otherwise.

QString eventKindText(EventKind kind);
QString outcomeText(EventOutcome outcome);
// "CBF43926"; a dash for an image the event does not hold.
QString crcText(quint32 crc, const QByteArray &image);
QString eventTimeText(const QDateTime &at, const QTimeZone &zone = QTimeZone::systemTimeZone());
// "перевірений запис 01.03.2024 12:00:00": an event named in a sentence.
QString eventLabel(const EventRecord &record, const QTimeZone &zone = QTimeZone::systemTimeZone());

// What the search's model list calls a model: its heading in the selection window.
QString modelName(const DeviceDefinition &definition);
// The editor's title of the model and variant, the model's name for a variant without a
// title, and the type code for a model the program does not know.
QString deviceTitle(quint8 typeCode, quint8 variant);

// A hidden site or device keeps its row where hidden ones are shown, marked.
QString withArchivedMark(const QString &text, bool archived);

// Rows of the lists, cell by cell in the order of their headers.
QStringList siteHeaders();
QStringList siteCells(const SiteRecord &site);
QStringList deviceHeaders();
QStringList deviceCells(const DeviceRecord &device);
QStringList timelineHeaders();
QStringList timelineCells(const EventRecord &record, const QTimeZone &zone = QTimeZone::systemTimeZone());
