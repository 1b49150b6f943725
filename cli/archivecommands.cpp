// Looking up the site archive: its sites, their devices, a device's history, and an event's
// configuration as a settings file.
#include "commands.h"

#include "archiveaccess.h"
#include "clitexts.h"
#include "commandsupport.h"
#include "eventcodes.h"

#include <QDir>

namespace {

using Code = ArchiveError::Code;

// "CBF43926"; empty for an image the event does not hold.
QString crcText(const QByteArray &image, quint32 crc)
{
    return image.isEmpty() ? QString() : QString::number(crc, 16).rightJustified(8, u'0').toUpper();
}

QJsonValue textOrNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QString timeText(const QDateTime &at)
{
    return at.toUTC().toString(Qt::ISODateWithMs);
}

QJsonObject siteObject(const SiteRecord &site)
{
    return {{QStringLiteral("id"), site.id},
            {QStringLiteral("name"), site.info.name},
            {QStringLiteral("address"), site.info.address},
            {QStringLiteral("contact"), site.info.contact},
            {QStringLiteral("notes"), site.info.notes},
            {QStringLiteral("archived"), site.archived}};
}

QJsonObject deviceObject(const DeviceRecord &device)
{
    QJsonObject object = deviceFields(device.info.typeCode, device.info.variant);
    object.insert(QStringLiteral("id"), device.id);
    object.insert(QStringLiteral("site"), device.info.site);
    object.insert(QStringLiteral("objectNumber"), device.info.objectNumber);
    object.insert(QStringLiteral("place"), device.info.place);
    object.insert(QStringLiteral("notes"), device.info.notes);
    object.insert(QStringLiteral("archived"), device.archived);
    return object;
}

QJsonArray differencesOf(const QList<Difference> &list)
{
    QJsonArray array;
    for (const Difference &d : list)
        array.append(QJsonObject{{QStringLiteral("group"), d.group}, {QStringLiteral("name"), d.name},
                                 {QStringLiteral("first"), d.first}, {QStringLiteral("second"), d.second}});
    return array;
}

QJsonObject eventObject(const EventRecord &record)
{
    const ArchiveEvent &e = record.event;
    QJsonObject object = deviceFields(e.typeCode, e.variant);
    object.insert(QStringLiteral("id"), record.id);
    object.insert(QStringLiteral("device"), e.device ? QJsonValue(e.device) : QJsonValue());
    object.insert(QStringLiteral("time"), timeText(e.at));
    object.insert(QStringLiteral("kind"), eventKindCode(e.kind));
    object.insert(QStringLiteral("outcome"), outcomeCode(e.outcome));
    object.insert(QStringLiteral("port"), e.port);
    object.insert(QStringLiteral("operator"), e.author.operatorName);
    object.insert(QStringLiteral("machine"), e.author.machine);
    object.insert(QStringLiteral("file"), e.filePath);
    object.insert(QStringLiteral("eepromCrc"), textOrNull(crcText(e.eeprom, record.eepromCrc)));
    object.insert(QStringLiteral("memoryCrc"), textOrNull(crcText(e.memory, record.memoryCrc)));
    object.insert(QStringLiteral("differences"), differencesOf(e.differences));
    object.insert(QStringLiteral("damage"), record.damage);
    return object;
}

QString siteLine(const SiteRecord &site)
{
    const QString address = site.info.address.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(site.info.address);
    return QStringLiteral("%1  %2%3").arg(site.id).arg(site.info.name, address);
}

QString deviceLine(const DeviceRecord &device, const QString &siteName)
{
    return QStringLiteral("%1  %2  %3  object %4  %5")
        .arg(device.id)
        .arg(siteName, deviceText(device.info.typeCode, device.info.variant), device.info.objectNumber, device.info.place)
        .trimmed();
}

QString eventLine(const EventRecord &record)
{
    const ArchiveEvent &e = record.event;
    const QString eeprom = crcText(e.eeprom, record.eepromCrc);
    const QString memory = crcText(e.memory, record.memoryCrc);
    QString line = QStringLiteral("%1  %2  %3  %4  %5@%6  %7  EEPROM %8  memory %9")
                       .arg(record.id)
                       .arg(timeText(e.at), eventKindCode(e.kind), outcomeCode(e.outcome), e.author.operatorName,
                            e.author.machine, e.port, eeprom.isEmpty() ? QStringLiteral("-") : eeprom,
                            memory.isEmpty() ? QStringLiteral("-") : memory);
    return record.damage.isEmpty() ? line : line + QStringLiteral("  DAMAGED: ") + record.damage;
}

// A number that names nothing is the caller's mistake (`what` it should have named); anything
// else is the archive's.
CommandResult refusal(const Invocation &invocation, const ArchiveError &error, const char *what)
{
    const QString name = invocation.commandName;
    const QString number = invocation.recordId ? QString::number(invocation.recordId) : invocation.filter;
    if (error.code == Code::NotFound)
        return badInput(QStringLiteral("%1: no %2 %3 in the archive").arg(name, QLatin1String(what), number));
    if (error.code == Code::NoConfiguration)
        return badInput(QStringLiteral("%1: event %2 holds no device settings").arg(name, number));
    return notDone(QStringLiteral("archive-failed"), QStringLiteral("%1: %2").arg(name, archiveErrorText(error)));
}

// One JSON object (under `key`) and one line of text per record.
template <typename Record, typename ToObject, typename ToLine>
CommandResult listing(const QString &key, const QList<Record> &records, ToObject toObject, ToLine toLine)
{
    CommandResult result;
    QJsonArray array;
    for (const Record &record : records) {
        array.append(toObject(record));
        result.lines << toLine(record);
    }
    result.details.insert(key, array);
    return result;
}

CommandResult sitesCommand(SiteArchive &archive, const Invocation &invocation)
{
    const ArchiveResult<QList<SiteRecord>> sites = archive.findSites({invocation.filter});
    if (!sites.ok())
        return refusal(invocation, sites.error, "site");
    return listing(QStringLiteral("sites"), sites.value, siteObject, siteLine);
}

// SITE is a site's number, or text in the names and addresses of the sites meant.
ArchiveResult<QList<SiteRecord>> sitesNamed(SiteArchive &archive, const QString &filter)
{
    bool number = false;
    const SiteId id = filter.toLongLong(&number);
    if (!number)
        return archive.findSites({filter});
    const ArchiveResult<SiteRecord> site = archive.site(id);
    return {{site.value}, site.error};
}

CommandResult devicesCommand(SiteArchive &archive, const Invocation &invocation)
{
    const ArchiveResult<QList<SiteRecord>> sites = sitesNamed(archive, invocation.filter);
    if (!sites.ok())
        return refusal(invocation, sites.error, "site");
    QList<DeviceRecord> devices;
    QHash<SiteId, QString> siteNames;
    for (const SiteRecord &site : sites.value) {
        const ArchiveResult<QList<DeviceRecord>> onSite = archive.devices(site.id);
        if (!onSite.ok())
            return refusal(invocation, onSite.error, "site");
        devices += onSite.value;
        siteNames.insert(site.id, site.info.name);
    }
    return listing(QStringLiteral("devices"), devices, deviceObject,
                   [&](const DeviceRecord &device) { return deviceLine(device, siteNames.value(device.info.site)); });
}

// Page by page, newest first.
ArchiveResult<QList<EventRecord>> wholeHistory(SiteArchive &archive, DeviceId device)
{
    QList<EventRecord> events;
    for (;;) {
        const ArchiveResult<QList<EventRecord>> page = archive.history(device, int(events.size()), SiteArchive::kMaxPageSize);
        events += page.value;
        if (!page.ok() || page.value.size() < SiteArchive::kMaxPageSize)
            return {events, page.error};
    }
}

CommandResult historyCommand(SiteArchive &archive, const Invocation &invocation)
{
    const ArchiveResult<DeviceRecord> device = archive.device(invocation.recordId);
    const ArchiveResult<QList<EventRecord>> events =
        device.ok() ? wholeHistory(archive, invocation.recordId) : ArchiveResult<QList<EventRecord>>{{}, device.error};
    if (!events.ok())
        return refusal(invocation, events.error, "device");
    CommandResult result = listing(QStringLiteral("events"), events.value, eventObject, eventLine);
    result.details.insert(QStringLiteral("device"), deviceObject(device.value));
    return result;
}

// Written as a read saves it: the model's sizes, the variant the event records.
CommandResult exportCommand(SiteArchive &archive, const Invocation &invocation)
{
    const ArchiveResult<SettingsExport> exported = archive.exportSettings(invocation.recordId);
    if (!exported.ok())
        return refusal(invocation, exported.error, "event");
    const SettingsExport &e = exported.value;
    const std::optional<Model> model = modelByTypeCode(e.typeCode);
    if (!model)
        return badInput(QStringLiteral("%1: event %2 is of device type %3, which vexctl does not know")
                            .arg(invocation.commandName)
                            .arg(invocation.recordId)
                            .arg(e.typeCode));
    const DeviceDefinition &d = modelInfo(*model);
    const QString path = QDir::toNativeSeparators(invocation.output);
    if (!settingsfile::write(invocation.output, {e.typeCode, e.variant}, e.eeprom, d.eepromSize, e.memory, d.memorySize))
        return badInput(QStringLiteral("%1: cannot write the file").arg(path));
    CommandResult result;
    describeDevice(result, e.typeCode, e.variant);
    result.details.insert(QStringLiteral("event"), invocation.recordId);
    result.details.insert(QStringLiteral("file"), invocation.output);
    result.lines << QStringLiteral("wrote event %1 (%2) into %3").arg(invocation.recordId).arg(deviceText(e.typeCode, e.variant), path);
    return result;
}

} // namespace

CommandResult archiveCommand(const Invocation &invocation)
{
    const OpenedArchive opened = openArchive(invocation, false);
    if (!opened.archive)
        return notDone(QStringLiteral("archive-unavailable"), opened.problem);
    switch (invocation.command) {
    case Command::ArchiveSites: return sitesCommand(*opened.archive, invocation);
    case Command::ArchiveDevices: return devicesCommand(*opened.archive, invocation);
    case Command::ArchiveHistory: return historyCommand(*opened.archive, invocation);
    default: return exportCommand(*opened.archive, invocation);
    }
}
