// Sites and their devices: added, edited, archived and brought back, never deleted.
#include "sitearchive.h"

#include "siterows.h"
#include "sitearchiveprivate.h"

namespace {

using Code = ArchiveError::Code;

const QString kSites = QStringLiteral("sites");
const QString kDevices = QStringLiteral("devices");
const QString kArchived = QStringLiteral("archived");

} // namespace

ArchiveResult<SiteId> SiteArchive::addSite(const SiteInfo &info)
{
    if (info.name.trimmed().isEmpty())
        return {0, ArchiveError::make(Code::EmptyName)};
    QVariantMap values = siteValues(info);
    values.insert(stampValues(d->author, true));
    values.insert(kArchived, false);
    return d->insert(kSites, values);
}

ArchiveError SiteArchive::updateSite(SiteId site, const SiteInfo &info)
{
    if (info.name.trimmed().isEmpty())
        return ArchiveError::make(Code::EmptyName);
    return d->update(kSites, site, siteValues(info));
}

ArchiveError SiteArchive::setSiteArchived(SiteId site, bool archived)
{
    return d->update(kSites, site, {{kArchived, archived}});
}

ArchiveResult<SiteRecord> SiteArchive::site(SiteId site)
{
    return d->one<SiteRecord>(QStringLiteral("SELECT %1 FROM sites WHERE id = :id").arg(kSiteFields), site, readSite);
}

ArchiveResult<DeviceId> SiteArchive::addDevice(const DeviceInfo &info)
{
    if (objectKey(info.objectNumber).isEmpty())
        return {0, ArchiveError::make(Code::EmptyObjectNumber)};
    if (const ArchiveResult<SiteRecord> owner = site(info.site); !owner.ok())
        return {0, owner.error};
    QVariantMap values = deviceValues(info);
    values.insert(stampValues(d->author, true));
    values.insert(kArchived, false);
    return d->insert(kDevices, values);
}

ArchiveError SiteArchive::updateDevice(DeviceId device, const QString &place, const QString &notes)
{
    return d->update(kDevices, device, {{QStringLiteral("place"), place}, {QStringLiteral("notes"), notes}});
}

ArchiveError SiteArchive::setDeviceArchived(DeviceId device, bool archived)
{
    return d->update(kDevices, device, {{kArchived, archived}});
}

ArchiveResult<DeviceRecord> SiteArchive::device(DeviceId device)
{
    return d->one<DeviceRecord>(QStringLiteral("SELECT %1 FROM devices WHERE id = :id").arg(kDeviceFields), device, readDevice);
}

ArchiveResult<QList<DeviceRecord>> SiteArchive::devices(SiteId site, bool includeArchived)
{
    QString sql = QStringLiteral("SELECT %1 FROM devices WHERE site_id = :site").arg(kDeviceFields);
    QVariantMap values{{QStringLiteral("site"), site}};
    if (!includeArchived) {
        sql += QStringLiteral(" AND archived = :archived");
        values.insert(kArchived, false);
    }
    return d->list<DeviceRecord>(sql + QStringLiteral(" ORDER BY id"), values, readDevice);
}

ArchiveResult<QList<DeviceRecord>> SiteArchive::matchDevice(quint8 typeCode, const QString &objectNumber)
{
    const QString sql = QStringLiteral("SELECT %1 FROM devices WHERE type_code = :type AND object_number = :object ORDER BY id")
                            .arg(kDeviceFields);
    return d->list<DeviceRecord>(sql, {{QStringLiteral("type"), int(typeCode)}, {QStringLiteral("object"), objectKey(objectNumber)}},
                                 readDevice);
}
