#include "eventrecording.h"

#include "registry.h"

namespace {

using Status = FlowResult::Status;

// A write's check reads back every byte it sent: what the target holds is what was read.
// Firmware leaves the result's images empty.
SettingsImages completedImages(const ExchangeReport &report, const FlowResult &result)
{
    const bool write = report.kind == EventKind::Write || report.kind == EventKind::SlotWrite;
    return write && !result.checked ? report.sent : result.images;
}

// Reads may come back longer than the model's images (a device read asks in whole blocks).
void setImages(ArchiveEvent &event, const SettingsImages &images)
{
    event.eeprom = images.eeprom;
    event.memory = images.memory;
    if (const std::optional<Model> model = modelByTypeCode(event.typeCode)) {
        event.eeprom.truncate(modelInfo(*model).eepromSize);
        event.memory.truncate(modelInfo(*model).memorySize);
    }
}

QList<Difference> differencesOf(const FlowResult &result)
{
    QList<Difference> list;
    for (const FieldDifference &d : result.differences)
        list.append({d.group, d.name, d.first, d.second});
    // Constants written beside the settings have no field: the check names the range.
    for (const QString &mismatch : result.otherMismatches)
        list.append({QString(), mismatch, QString(), QString()});
    return list;
}

} // namespace

EventOutcome outcomeOf(const FlowResult &result)
{
    switch (result.status) {
    case Status::Done: return result.otherMismatches.isEmpty() ? EventOutcome::Done : EventOutcome::Differs;
    case Status::Differs: return EventOutcome::Differs;
    case Status::Declined:
    case Status::Cancelled: return EventOutcome::Cancelled;
    case Status::Failed:
    case Status::PortNotOpened: break;
    }
    return EventOutcome::Failed;
}

ArchiveEvent exchangeEvent(const ExchangeReport &report, const FlowResult &result)
{
    ArchiveEvent event;
    event.kind = report.kind == EventKind::Write && result.checked ? EventKind::CheckedWrite : report.kind;
    event.outcome = outcomeOf(result);
    event.port = report.port;
    event.typeCode = report.typeCode;
    event.variant = report.variant;
    event.filePath = report.filePath;
    if (event.outcome == EventOutcome::Done || event.outcome == EventOutcome::Differs)
        setImages(event, completedImages(report, result));
    if (event.outcome == EventOutcome::Differs)
        event.differences = differencesOf(result);
    return event;
}

ArchiveEvent fileEvent(EventKind kind, const QString &path, quint8 typeCode, quint8 variant, const SettingsImages &images)
{
    ArchiveEvent event;
    event.kind = kind;
    event.typeCode = typeCode;
    event.variant = variant;
    event.filePath = path;
    setImages(event, images);
    return event;
}
