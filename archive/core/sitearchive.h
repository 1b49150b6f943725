#pragma once

#include "archiveerror.h"
#include "archivelocation.h"
#include "archivetypes.h"

#include <memory>

// The record of every protected site, the devices installed there and every exchange with
// them. Nothing is ever deleted: events are only added, sites and devices are edited and
// archived (hidden) or brought back. Each call is one transaction.
//
// On a server, an event that cannot be sent goes to the local outbox and is sent, in
// recording order and exactly once, by sendQueued or by the next event recorded once the
// server answers again. A lost connection is tried again after kReconnectIntervalMs at the
// soonest, so that a server that is away does not hold up every call.
//
// Use an archive from the thread that opened it.
class SiteArchive
{
public:
    static constexpr int kMaxPageSize = 1000;
    static constexpr qint64 kReconnectIntervalMs = 10000;

    // Opens the archive, bringing its schema up to this program's. A damaged file, a schema
    // written by a newer program or a database of something else is refused untouched. A
    // server archive with an outbox opens even while the server is away.
    static ArchiveResult<std::unique_ptr<SiteArchive>> open(const ArchiveLocation &location,
                                                             const Author &author = Author::current());
    ~SiteArchive();
    SiteArchive(const SiteArchive &) = delete;
    SiteArchive &operator=(const SiteArchive &) = delete;

    ArchiveResult<SiteId> addSite(const SiteInfo &info);
    ArchiveError updateSite(SiteId site, const SiteInfo &info);
    ArchiveError setSiteArchived(SiteId site, bool archived);
    ArchiveResult<SiteRecord> site(SiteId site);
    // Sorted by name.
    ArchiveResult<QList<SiteRecord>> findSites(const SiteQuery &query);

    ArchiveResult<DeviceId> addDevice(const DeviceInfo &info);
    // Only where it hangs and the notes change: the rest is what the device itself holds.
    ArchiveError updateDevice(DeviceId device, const QString &place, const QString &notes);
    ArchiveError setDeviceArchived(DeviceId device, bool archived);
    ArchiveResult<DeviceRecord> device(DeviceId device);
    ArchiveResult<QList<DeviceRecord>> devices(SiteId site, bool includeArchived = false);
    // Every known device of this model with this object number, archived ones too, in the
    // order they were added: none or several means the user has to choose.
    ArchiveResult<QList<DeviceRecord>> matchDevice(quint8 typeCode, const QString &objectNumber);

    ArchiveResult<RecordReceipt> record(const ArchiveEvent &event);
    // Gives an event recorded without a device its device; one that has a device keeps it.
    ArchiveError attachEvent(EventId event, DeviceId device);
    ArchiveResult<EventRecord> event(EventId event);
    // The device's events, newest first.
    ArchiveResult<QList<EventRecord>> history(DeviceId device, int offset, int limit);
    ArchiveResult<QList<EventRecord>> findEvents(const EventQuery &query);
    // The event's configuration for a settings file; refused when the memory image is
    // missing or an image fails its CRC.
    ArchiveResult<SettingsExport> exportSettings(EventId event);

    // Sends what the outbox holds, oldest first, stopping at the first failure; the number sent.
    ArchiveResult<int> sendQueued();
    ArchiveResult<qint64> queuedCount();
    bool isOnline() const;

    ArchiveError checkIntegrity();
    // A consistent copy of a file archive at `path`, replacing what is there only once the
    // copy is complete.
    ArchiveError backup(const QString &path);

private:
    struct Private;
    explicit SiteArchive(std::unique_ptr<Private> d);

    std::unique_ptr<Private> d;
};
