#include "eventactions.h"

#include "archivetexts.h"
#include "commissioningrecord.h"
#include "settingsfile.h"

#include <QDir>

namespace {

QString unknownModelText(quint8 typeCode)
{
    return QStringLiteral("Програма не знає приладу з кодом типу %1.").arg(typeCode);
}

QList<SettingField> fieldsOf(const DeviceDefinition &definition, const SettingsExport &settings)
{
    return definition.settingFields({settings.eeprom, settings.memory}, settings.variant);
}

// A difference kept without values is a constant the check found otherwise: it has no field.
void keepDifferences(const QList<Difference> &kept, CommissioningRecord &record)
{
    for (const Difference &d : kept) {
        if (d.first.isEmpty() && d.second.isEmpty())
            record.otherMismatches.append(d.name);
        else
            record.differences.append({d.group, d.name, d.first, d.second});
    }
}

} // namespace

ArchiveResult<EventOwner> EventOwners::of(DeviceId device)
{
    if (device == 0 || m_known.contains(device))
        return {m_known.value(device)};
    const ArchiveResult<DeviceRecord> found = m_archive.device(device);
    if (!found.ok())
        return {{}, found.error};
    const ArchiveResult<SiteRecord> site = m_archive.site(found.value.info.site);
    if (!site.ok())
        return {{}, site.error};
    const EventOwner owner{site.value, found.value};
    m_known.insert(device, owner);
    return {owner};
}

QString ownerText(const EventOwner &owner)
{
    QStringList parts;
    for (const QString &part : {owner.site.info.name, owner.device.info.place}) {
        if (!part.isEmpty())
            parts.append(part);
    }
    return parts.join(QStringLiteral(", "));
}

bool holdsConfiguration(const EventRecord &record)
{
    return !record.event.memory.isEmpty();
}

bool hasCommissioningRecord(const EventRecord &record)
{
    const EventOutcome outcome = record.event.outcome;
    return record.event.kind == EventKind::CheckedWrite
           && (outcome == EventOutcome::Done || outcome == EventOutcome::Differs);
}

CommissioningRecord commissioningRecordOf(const EventRecord &record, const EventOwner &owner)
{
    const ArchiveEvent &event = record.event;
    CommissioningRecord r;
    if (const std::optional<Model> model = modelByTypeCode(event.typeCode))
        r = readBackRecord(modelInfo(*model), {event.eeprom, event.memory}, event.variant);
    r.title = deviceTitle(event.typeCode, event.variant);
    r.target = QStringLiteral("прилад");
    r.port = event.port;
    r.written = event.at.toLocalTime();
    r.site = owner.site.info.name;
    r.address = owner.site.info.address;
    r.operatorName = event.author.operatorName;
    keepDifferences(event.differences, r);
    return r;
}

QString eventCaption(const EventOwner &owner, const EventRecord &record, const QTimeZone &zone)
{
    const QString whose = ownerText(owner);
    const QString label = eventLabel(record, zone);
    return whose.isEmpty() ? label : whose + QStringLiteral(" — ") + label;
}

ArchiveResult<QString> differenceOfEvents(SiteArchive &archive, const EventRecord &first, const EventRecord &second,
                                          const QTimeZone &zone)
{
    const ArchiveResult<SettingsExport> a = archive.exportSettings(first.id);
    if (!a.ok())
        return {{}, a.error};
    const ArchiveResult<SettingsExport> b = archive.exportSettings(second.id);
    if (!b.ok())
        return {{}, b.error};
    if (a.value.typeCode != b.value.typeCode)
        return {QStringLiteral("Події стосуються різних моделей приладів: їх налаштування не порівнюються.")};
    const std::optional<Model> model = modelByTypeCode(a.value.typeCode);
    if (!model)
        return {unknownModelText(a.value.typeCode)};
    const DeviceDefinition &definition = modelInfo(*model);
    const QList<FieldDifference> list = differences(fieldsOf(definition, a.value), fieldsOf(definition, b.value));
    if (list.isEmpty())
        return {QStringLiteral("Налаштування не відрізняються.")};
    return {differenceText(list, eventLabel(first, zone), eventLabel(second, zone))};
}

QString exportEventFile(SiteArchive &archive, EventId event, const QString &path)
{
    const ArchiveResult<SettingsExport> settings = archive.exportSettings(event);
    if (!settings.ok())
        return settings.error.message;
    const SettingsExport &s = settings.value;
    const std::optional<Model> model = modelByTypeCode(s.typeCode);
    if (!model)
        return unknownModelText(s.typeCode);
    const DeviceDefinition &definition = modelInfo(*model);
    if (!settingsfile::write(path, {s.typeCode, s.variant}, s.eeprom, definition.eepromSize, s.memory,
                             definition.memorySize))
        return QStringLiteral("Не вдалося записати файл %1.").arg(QDir::toNativeSeparators(path));
    return {};
}
