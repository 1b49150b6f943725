// Finding sites and events, a device's history, and what an event gives a settings file.
#include "sitearchive.h"

#include "eventcodes.h"
#include "eventrows.h"
#include "siterows.h"
#include "sitearchiveprivate.h"

namespace {

using Code = ArchiveError::Code;

// Conditions from fixed SQL text, joined by AND; whatever the user typed is only ever bound.
struct SqlFilter {
    QStringList conditions;
    QVariantMap values;

    void add(const QString &condition, const QVariantMap &bound = {})
    {
        conditions.append(condition);
        values.insert(bound);
    }
    QString where() const
    {
        return conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    }
};

// A LIKE pattern for `text` anywhere, with the pattern's own characters escaped by "!".
QString likePattern(const QString &text)
{
    QString key = searchKey(text);
    key.replace(u'!', QStringLiteral("!!")).replace(u'%', QStringLiteral("!%")).replace(u'_', QStringLiteral("!_"));
    return u'%' + key + u'%';
}

// Sites (alias s) whose name or address holds `text`; no condition for empty text.
void addSiteText(SqlFilter &filter, const QString &text)
{
    if (text.trimmed().isEmpty())
        return;
    const QString pattern = likePattern(text);
    filter.add(QStringLiteral("(s.name_key LIKE :name ESCAPE '!' OR s.address_key LIKE :address ESCAPE '!')"),
               {{QStringLiteral("name"), pattern}, {QStringLiteral("address"), pattern}});
}

ArchiveResult<EventRecord> readEventRow(const QSqlQuery &query)
{
    return readEvent(query, 1, query.value(0).toLongLong());
}

bool pagingFits(int offset, int limit)
{
    return offset >= 0 && limit >= 1 && limit <= SiteArchive::kMaxPageSize;
}

qint64 ms(const QDateTime &time)
{
    return time.toMSecsSinceEpoch();
}

} // namespace

ArchiveResult<QList<SiteRecord>> SiteArchive::findSites(const SiteQuery &query)
{
    SqlFilter filter;
    addSiteText(filter, query.text);
    QStringList device;
    QVariantMap deviceValues;
    if (!query.objectNumber.trimmed().isEmpty()) {
        device.append(QStringLiteral("d.object_number = :object"));
        deviceValues.insert(QStringLiteral("object"), objectKey(query.objectNumber));
    }
    if (query.typeCode) {
        device.append(QStringLiteral("d.type_code = :type"));
        deviceValues.insert(QStringLiteral("type"), int(*query.typeCode));
    }
    if (!query.includeArchived) {
        filter.add(QStringLiteral("s.archived = :archived"), {{QStringLiteral("archived"), false}});
        if (!deviceValues.isEmpty()) {
            device.append(QStringLiteral("d.archived = :device_archived"));
            deviceValues.insert(QStringLiteral("device_archived"), false);
        }
    }
    // Driven from the devices' index: far fewer devices match than there are sites.
    if (!deviceValues.isEmpty())
        filter.add(QStringLiteral("s.id IN (SELECT d.site_id FROM devices d WHERE %1)").arg(device.join(QStringLiteral(" AND "))),
                   deviceValues);
    const QString sql = QStringLiteral("SELECT %1 FROM sites s%2 ORDER BY s.name_key, s.id").arg(kSiteFields, filter.where());
    return d->list<SiteRecord>(sql, filter.values, readSite);
}

ArchiveResult<QList<EventRecord>> SiteArchive::findEvents(const EventQuery &query)
{
    SqlFilter filter;
    addSiteText(filter, query.siteText);
    if (!query.objectNumber.trimmed().isEmpty())
        filter.add(QStringLiteral("d.object_number = :object"), {{QStringLiteral("object"), objectKey(query.objectNumber)}});
    if (query.typeCode)
        filter.add(QStringLiteral("e.type_code = :type"), {{QStringLiteral("type"), int(*query.typeCode)}});
    if (query.from.isValid())
        filter.add(QStringLiteral("e.at_ms >= :from"), {{QStringLiteral("from"), ms(query.from)}});
    if (query.to.isValid())
        filter.add(QStringLiteral("e.at_ms < :to"), {{QStringLiteral("to"), ms(query.to)}});
    if (query.outcome)
        filter.add(QStringLiteral("e.outcome = :outcome"), {{QStringLiteral("outcome"), outcomeCode(*query.outcome)}});
    if (!pagingFits(query.offset, query.limit))
        return {{}, ArchiveError::make(Code::BadPaging)};
    // Rows are picked and ordered by number first, so that sorting never carries the images.
    filter.values.insert({{QStringLiteral("offset"), query.offset}, {QStringLiteral("limit"), query.limit}});
    const QString sql = QStringLiteral(
        "SELECT id, %1 FROM events WHERE id IN (SELECT e.id FROM events e "
        "LEFT JOIN devices d ON d.id = e.device_id LEFT JOIN sites s ON s.id = d.site_id%2 "
        "ORDER BY e.at_ms DESC, e.id DESC LIMIT :limit OFFSET :offset) ORDER BY at_ms DESC, id DESC")
                            .arg(kEventFields, filter.where());
    return d->list<EventRecord>(sql, filter.values, readEventRow);
}

ArchiveResult<QList<EventRecord>> SiteArchive::history(DeviceId device, int offset, int limit)
{
    if (!pagingFits(offset, limit))
        return {{}, ArchiveError::make(Code::BadPaging)};
    const QString sql = QStringLiteral("SELECT id, %1 FROM events WHERE id IN (SELECT id FROM events WHERE device_id = :device "
                                       "ORDER BY at_ms DESC, id DESC LIMIT :limit OFFSET :offset) ORDER BY at_ms DESC, id DESC")
                            .arg(kEventFields);
    return d->list<EventRecord>(
        sql, {{QStringLiteral("device"), device}, {QStringLiteral("limit"), limit}, {QStringLiteral("offset"), offset}},
        readEventRow);
}

ArchiveResult<EventRecord> SiteArchive::event(EventId event)
{
    return d->one<EventRecord>(QStringLiteral("SELECT id, %1 FROM events WHERE id = :id").arg(kEventFields), event, readEventRow);
}

ArchiveResult<SettingsExport> SiteArchive::exportSettings(EventId event)
{
    const ArchiveResult<EventRecord> stored = this->event(event);
    if (!stored.ok())
        return {{}, stored.error};
    const ArchiveEvent &e = stored.value.event;
    if (!stored.value.damage.isEmpty())
        return {{}, ArchiveError::make(Code::Damaged, stored.value.damage)};
    // Every model keeps its settings in memory; the control-and-start device has no EEPROM image.
    if (e.memory.isEmpty())
        return {{}, ArchiveError::make(Code::NoConfiguration, QString::number(event))};
    return {{e.typeCode, e.variant, e.eeprom, e.memory}, {}};
}

ArchiveError SiteArchive::attachEvent(EventId event, DeviceId device)
{
    if (const ArchiveResult<DeviceRecord> owner = this->device(device); !owner.ok())
        return owner.error;
    // Only a missing link is filled in: an event never moves from one device to another.
    QSqlQuery query(d->store.database());
    if (ArchiveError error = d->store.run(query, QStringLiteral("UPDATE events SET device_id = :device WHERE id = :id AND device_id IS NULL"),
                                          {{QStringLiteral("device"), device}, {QStringLiteral("id"), event}});
        error.isError())
        return error;
    if (query.numRowsAffected() > 0)
        return {};
    const ArchiveResult<qint64> found =
        d->store.number(QStringLiteral("SELECT count(*) FROM events WHERE id = :id"), {{QStringLiteral("id"), event}});
    if (!found.ok())
        return found.error;
    return ArchiveError::make(found.value ? Code::AlreadyMatched : Code::NotFound, QString::number(event));
}
