#include "devicematching.h"

#include "registry.h"
#include "siterows.h"

QString objectNumberOf(quint8 typeCode, quint8 variant, const SettingsImages &images)
{
    const std::optional<Model> model = modelByTypeCode(typeCode);
    return model ? modelInfo(*model).objectNumber(images, variant).trimmed() : QString();
}

bool belongsToDevice(const ArchiveEvent &event)
{
    const bool deviceKind = event.kind == EventKind::Read || event.kind == EventKind::Write
                            || event.kind == EventKind::CheckedWrite || event.kind == EventKind::Compare;
    return deviceKind && !event.memory.isEmpty();
}

ArchiveResult<DeviceMatch> matchEventDevice(SiteArchive &archive, const ArchiveEvent &event)
{
    DeviceMatch match{objectNumberOf(event.typeCode, event.variant, {event.eeprom, event.memory}), {}};
    if (match.objectNumber.isEmpty())
        return {match, {}};
    ArchiveResult<QList<DeviceRecord>> found = archive.matchDevice(event.typeCode, match.objectNumber);
    match.devices = found.value;
    return {match, found.error};
}

ArchiveResult<SiteId> siteNamed(SiteArchive &archive, const QString &name)
{
    const ArchiveResult<QList<SiteRecord>> found = archive.findSites({name});
    if (!found.ok())
        return {0, found.error};
    // The search finds the name anywhere in a name or an address: only the whole name counts.
    for (const SiteRecord &site : found.value) {
        if (searchKey(site.info.name) == searchKey(name))
            return {site.id, {}};
    }
    return archive.addSite({name.simplified()});
}

ArchiveResult<DeviceId> addEventDevice(SiteArchive &archive, SiteId site, const ArchiveEvent &event, const QString &place)
{
    const QString objectNumber = objectNumberOf(event.typeCode, event.variant, {event.eeprom, event.memory});
    return archive.addDevice({site, event.typeCode, event.variant, objectNumber, place});
}
