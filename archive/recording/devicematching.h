#pragma once

#include "devicedefinition.h"
#include "sitearchive.h"

// Which known device an event belongs to. The archive knows a device by its model and the
// object number it holds; after a read or a write the event's images tell both. Exactly one
// known device: the event is its. None or several: the caller asks (or, in a script, is told
// which site a new device goes to) and sets ArchiveEvent::device before recording, or
// records the event without a device and attaches it later with SiteArchive::attachEvent.

// The object number images of model `typeCode` hold; empty for a model the program does not
// know or images that hold none.
QString objectNumberOf(quint8 typeCode, quint8 variant, const SettingsImages &images);

struct DeviceMatch {
    QString objectNumber;        // what the event's images hold; empty: nothing to match by
    QList<DeviceRecord> devices; // the known devices of the model with that number

    // The one device the event belongs to; 0 when the caller has to choose.
    DeviceId single() const { return devices.size() == 1 ? devices.first().id : 0; }
};

// A read, a write or a comparison of a device that holds a configuration: the event is a
// device's. Slots, firmware and settings files belong to no device.
bool belongsToDevice(const ArchiveEvent &event);

// The devices `event` may belong to, by its type code and the object number of its images.
ArchiveResult<DeviceMatch> matchEventDevice(SiteArchive &archive, const ArchiveEvent &event);

// The site in service of exactly that name (letter case and apostrophes aside), added when
// there is none.
ArchiveResult<SiteId> siteNamed(SiteArchive &archive, const QString &name);

// A new device on `site`, hanging at `place`, of the event's model and variant with the
// object number its images hold. Refused (EmptyObjectNumber) when they hold none.
ArchiveResult<DeviceId> addEventDevice(SiteArchive &archive, SiteId site, const ArchiveEvent &event,
                                       const QString &place = QString());
