#pragma once

#include "sitearchive.h"

#include <QHash>
#include <QTimeZone>

struct CommissioningRecord;

// What the archive window does with an event: find whose it is, name it, compare it with
// another, write it to a settings file.

// The site and the device an event belongs to; ids 0 for an event not matched to a device.
struct EventOwner {
    SiteRecord site;
    DeviceRecord device;
};

// Owners looked up once per device: a list of found events names the same few devices
// over and over. Forget them after a site or a device has been edited.
class EventOwners
{
public:
    explicit EventOwners(SiteArchive &archive) : m_archive(archive) {}

    ArchiveResult<EventOwner> of(DeviceId device);
    void forget() { m_known.clear(); }

private:
    SiteArchive &m_archive;
    QHash<DeviceId, EventOwner> m_known;
};

// "Школа № 5, щит 2": the site and where the device hangs; empty for no site.
QString ownerText(const EventOwner &owner);

// Whether the event recorded a configuration (the memory image every model has): it can
// then go to an editor, a file or a comparison, or say why a damaged one cannot.
bool holdsConfiguration(const EventRecord &record);
// A checked write that was read back to the end: there is a record to sign.
bool hasCommissioningRecord(const EventRecord &record);

// The commissioning record of a checked write the archive keeps: what was read back, as the
// model's report prints it, on the owner's site, with the differences the check found.
CommissioningRecord commissioningRecordOf(const EventRecord &record, const EventOwner &owner);

// The caption of an editor opened on the event: whose it is and which event.
QString eventCaption(const EventOwner &owner, const EventRecord &record,
                     const QTimeZone &zone = QTimeZone::systemTimeZone());

// The settings that differ from `first` to `second`, field by field, or the sentence that
// says there is nothing to compare; an archive error when a configuration cannot be read.
ArchiveResult<QString> differenceOfEvents(SiteArchive &archive, const EventRecord &first, const EventRecord &second,
                                          const QTimeZone &zone = QTimeZone::systemTimeZone());

// Writes the event's configuration as a settings file at `path`: empty when written, else
// why not (the archive's refusal, a model this program does not know, the file system).
QString exportEventFile(SiteArchive &archive, EventId event, const QString &path);
