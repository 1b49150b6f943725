#include "controlstartdefinition.h"

#include "controlstartcodec.h"
#include "controlstartmap.h"
#include "controlstartreport.h"

namespace {

using namespace controlstart;

PlanStep writeStep(const ImageRun &run)
{
    const int requestSize = run.writeRequestSize ? run.writeRequestSize : run.length;
    switch (run.space) {
    case DeviceSpace::Short:
        return ShortRun{quint8(run.address), run.imageOffset, run.length, requestSize};
    case DeviceSpace::Clock:
        return ClockRun{run.imageOffset};
    default:
        return DeviceRun{.area = ImageArea::Memory, .deviceAddress = quint16(run.address),
                         .imageOffset = run.imageOffset, .length = run.length, .requestSize = requestSize};
    }
}

// Every run is read in one request.
PlanStep readStep(const ImageRun &run)
{
    PlanStep step = writeStep(run);
    if (auto *device = std::get_if<DeviceRun>(&step))
        device->requestSize = run.length;
    else if (auto *code = std::get_if<ShortRun>(&step))
        code->requestSize = run.length;
    return step;
}

TransferPlan deviceTransfer(TransferPlan::Direction direction)
{
    const bool write = direction == TransferPlan::Direction::Write;
    QList<PlanStep> steps;
    for (const ImageRun &run : imageRuns())
        steps.append(write ? writeStep(run) : readStep(run));
    return {direction, {{write ? stagetext::kWriteMemory : stagetext::kReadMemory, steps}}};
}

QList<ImageSegment> segments()
{
    QList<ImageSegment> list;
    for (const ImageRun &run : imageRuns())
        list.append({ImageArea::Memory, run.imageOffset, run.length, run.space, run.address});
    return list;
}

// The clock is read as it stands now: it is no setting, and the report leaves it out.
Settings decoded(const SettingsImages &images)
{
    Settings settings;
    decodeMemory(images.memory, QDateTime::currentDateTime(), settings);
    return settings;
}

} // namespace

DeviceDefinition controlStartDefinition()
{
    DeviceDefinition d{.model = Model::PKorvel24, .typeCode = kTypeCode,
                       .editorClass = "TPKorvelForm24", .component = "PKorvelForm24",
                       .eepromSize = 0, .memorySize = kMemorySize, .acceptedVariants = {1}};
    d.title = [](quint8) { return QStringLiteral("ПУіЗ КОРВЕЛ - 2/4 (KVL24-1)"); };
    // The slot survey has no name of its own for this device.
    d.slotDescription = [](quint8) { return QStringLiteral(" (не визначено)"); };
    d.links = {{14, "kvl24-1", "ПУіЗ КОРВЕЛ-2/4", Model::PKorvel24, 1}};
    d.simulatorNames = {QStringLiteral("2/4")};
    d.takesConfiguratorTransfers = false;
    d.segments = [](quint8) { return segments(); };
    d.deviceWrite = [](quint8) { return deviceTransfer(TransferPlan::Direction::Write); };
    d.deviceRead = [](quint8, qint32) { return deviceTransfer(TransferPlan::Direction::Read); };
    d.settingFields = [](const SettingsImages &images, quint8) { return settingFields(decoded(images)); };
    d.report = [](const SettingsImages &images, quint8) { return report(decoded(images)); };
    d.objectNumber = [](const SettingsImages &images, quint8) { return decoded(images).objectNumbers[0]; };
    return d;
}
