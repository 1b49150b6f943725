#include "archiverecording.h"

#include "archiveaccess.h"
#include "clitexts.h"
#include "devicematching.h"
#include "registry.h"

#include <cstdio>

namespace {

void warn(const QString &line)
{
    std::fprintf(stderr, "vexctl: %s\n", line.toLocal8Bit().constData());
}

QString modelText(quint8 typeCode)
{
    const std::optional<Model> model = modelByTypeCode(typeCode);
    return model ? modelName(*model) : QStringLiteral("device of type %1").arg(typeCode);
}

// Why a read or write found no device of its own.
QString unmatched(const DeviceMatch &match, quint8 typeCode)
{
    if (match.objectNumber.isEmpty())
        return QStringLiteral("the device holds no object number");
    if (match.devices.isEmpty())
        return QStringLiteral("the archive knows no %1 with object number %2 (--site NAME adds it)")
            .arg(modelText(typeCode), match.objectNumber);
    return QStringLiteral("%1 known devices are a %2 with object number %3 (--site NAME picks the one on that site)")
        .arg(match.devices.size())
        .arg(modelText(typeCode), match.objectNumber);
}

// --site: the device of that number on that site, or a new one there.
ArchiveResult<DeviceId> deviceOnSite(SiteArchive &archive, const QString &name, const DeviceMatch &match,
                                     const ArchiveEvent &event)
{
    const ArchiveResult<SiteId> site = siteNamed(archive, name);
    if (!site.ok())
        return {0, site.error};
    for (const DeviceRecord &device : match.devices) {
        if (device.info.site == site.value)
            return {device.id, {}};
    }
    return addEventDevice(archive, site.value, event);
}

// The device a read, a write or a comparison belongs to; 0 and why not. A comparison takes
// only a device the archive knows for sure.
DeviceId deviceFor(SiteArchive &archive, const Invocation &invocation, const ArchiveEvent &event, QString &why)
{
    const ArchiveResult<DeviceMatch> match = matchEventDevice(archive, event);
    if (!match.ok()) {
        why = archiveErrorText(match.error);
        return 0;
    }
    if (match.value.single() || event.kind == EventKind::Compare)
        return match.value.single();
    if (invocation.site.isEmpty() || match.value.objectNumber.isEmpty()) {
        why = unmatched(match.value, event.typeCode);
        return 0;
    }
    const ArchiveResult<DeviceId> device = deviceOnSite(archive, invocation.site, match.value, event);
    why = device.ok() ? QString() : archiveErrorText(device.error);
    return device.value;
}

QJsonValue idOrNull(qint64 id)
{
    return id ? QJsonValue(id) : QJsonValue();
}

} // namespace

void recordNoted(const Invocation &invocation, ArchiveEvent event, CommandResult &result)
{
    const OpenedArchive opened = openArchive(invocation, true);
    if (!opened.archive) {
        if (!opened.problem.isEmpty())
            warn(opened.problem + QStringLiteral("; nothing recorded"));
        return;
    }
    QString why;
    if (belongsToDevice(event))
        event.device = deviceFor(*opened.archive, invocation, event, why);
    const ArchiveResult<RecordReceipt> receipt = opened.archive->record(event);
    if (!receipt.ok()) {
        warn(archiveProblem(opened, receipt.error) + QStringLiteral("; nothing recorded"));
        return;
    }
    if (receipt.value.queued)
        warn(QStringLiteral("archive %1: the server cannot be reached; the event waits in the outbox").arg(opened.address));
    else if (!why.isEmpty())
        warn(QStringLiteral("archive: event %1 recorded without a device: %2").arg(receipt.value.id).arg(why));
    result.details.insert(QStringLiteral("archive"),
                          QJsonObject{{QStringLiteral("event"), idOrNull(receipt.value.id)},
                                      {QStringLiteral("device"), idOrNull(event.device)},
                                      {QStringLiteral("queued"), receipt.value.queued}});
}
