#include "siterows.h"

#include <QSqlQuery>

const QString kSiteFields = QStringLiteral(
    "id, name, address, contact, notes, archived, "
    "created_at, created_by, created_on, changed_at, changed_by, changed_on");
const QString kDeviceFields = QStringLiteral(
    "id, site_id, type_code, variant, object_number, place, notes, archived, "
    "created_at, created_by, created_on, changed_at, changed_by, changed_on");

namespace {

// Where "archived" and the stamps after it start in kSiteFields and kDeviceFields.
constexpr int kSiteState = 5;
constexpr int kDeviceState = 7;

Stamp readStamp(const QSqlQuery &query, int first)
{
    return {msToUtc(query.value(first).toLongLong()), {query.value(first + 1).toString(), query.value(first + 2).toString()}};
}

template <typename Info>
void readState(const QSqlQuery &query, int first, StoredRecord<Info> &record)
{
    record.id = query.value(0).toLongLong();
    record.archived = query.value(first).toBool();
    record.created = readStamp(query, first + 1);
    record.changed = readStamp(query, first + 4);
}

} // namespace

QString searchKey(const QString &text)
{
    QString key = text.simplified().toCaseFolded();
    for (const QChar apostrophe : {QChar(0x2019), QChar(0x02BC), QChar(0x2018), QChar(0x0060)})
        key.replace(apostrophe, u'\'');
    return key;
}

QString objectKey(const QString &objectNumber)
{
    return objectNumber.trimmed().toUpper();
}

QDateTime msToUtc(qint64 msSinceEpoch)
{
    return QDateTime::fromMSecsSinceEpoch(msSinceEpoch, Qt::UTC);
}

std::optional<quint8> storedByte(const QVariant &value)
{
    bool number = false;
    const int byte = value.toInt(&number);
    if (!number || byte < 0 || byte > 255)
        return std::nullopt;
    return quint8(byte);
}

QVariantMap stampValues(const Author &author, bool newRow)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QVariantMap values{{QStringLiteral("changed_at"), now},
                       {QStringLiteral("changed_by"), author.operatorName},
                       {QStringLiteral("changed_on"), author.machine}};
    if (newRow) {
        values.insert(QStringLiteral("created_at"), now);
        values.insert(QStringLiteral("created_by"), author.operatorName);
        values.insert(QStringLiteral("created_on"), author.machine);
    }
    return values;
}

QVariantMap siteValues(const SiteInfo &info)
{
    return {{QStringLiteral("name"), info.name.trimmed()},
            {QStringLiteral("address"), info.address.trimmed()},
            {QStringLiteral("contact"), info.contact},
            {QStringLiteral("notes"), info.notes},
            {QStringLiteral("name_key"), searchKey(info.name)},
            {QStringLiteral("address_key"), searchKey(info.address)}};
}

QVariantMap deviceValues(const DeviceInfo &info)
{
    return {{QStringLiteral("site_id"), info.site},
            {QStringLiteral("type_code"), int(info.typeCode)},
            {QStringLiteral("variant"), int(info.variant)},
            {QStringLiteral("object_number"), objectKey(info.objectNumber)},
            {QStringLiteral("place"), info.place},
            {QStringLiteral("notes"), info.notes}};
}

ArchiveResult<SiteRecord> readSite(const QSqlQuery &query)
{
    SiteRecord site;
    readState(query, kSiteState, site);
    site.info = {query.value(1).toString(), query.value(2).toString(), query.value(3).toString(), query.value(4).toString()};
    return {site, {}};
}

ArchiveResult<DeviceRecord> readDevice(const QSqlQuery &query)
{
    DeviceRecord device;
    readState(query, kDeviceState, device);
    const std::optional<quint8> type = storedByte(query.value(2));
    const std::optional<quint8> variant = storedByte(query.value(3));
    if (!type || !variant) {
        const QString column = type ? QStringLiteral("variant") : QStringLiteral("type_code");
        return {{}, ArchiveError::make(ArchiveError::Code::Damaged, archivedamage::outOfRange(column, device.id))};
    }
    device.info = {query.value(1).toLongLong(), *type, *variant, query.value(4).toString(), query.value(5).toString(),
                   query.value(6).toString()};
    return {device, {}};
}
