#include "systempaneldefinition.h"

#include "systempanelcodec.h"
#include "systempanelmap.h"
#include "systempanelreport.h"

namespace {

// Every range is one set-address request and the requests of its bytes.
TransferPlan deviceTransfer(TransferPlan::Direction direction)
{
    const bool write = direction == TransferPlan::Direction::Write;
    PlanStage eeprom{write ? stagetext::kWriteEeprom : stagetext::kReadEeprom, {}};
    PlanStage memory{write ? stagetext::kWriteMemory : stagetext::kReadMemory, {}};
    for (const SystemPanelRange &r : systemPanelRanges()) {
        const DeviceRun run{r.area, r.deviceAddress, r.imageOffset, r.length,
                            write ? r.writeChunk : r.readChunk};
        (r.area == ImageArea::Eeprom ? eeprom : memory).steps.append(run);
    }
    return {direction, {eeprom, memory}};
}

SettingsImages factoryImages()
{
    SystemPanelSettings reset;
    decodeSystemPanelEeprom(defaultSystemPanelEeprom(), reset);
    decodeSystemPanelMemory(defaultSystemPanelMemory(), reset);
    return {encodeSystemPanelEeprom(reset), encodeSystemPanelMemory(reset)};
}

SystemPanelSettings decoded(const SettingsImages &images)
{
    SystemPanelSettings s;
    decodeSystemPanelEeprom(images.eeprom, s);
    decodeSystemPanelMemory(images.memory, s);
    return s;
}

} // namespace

DeviceDefinition systemPanelDefinition()
{
    DeviceDefinition d{.model = Model::Korvel16_64p, .typeCode = kSystemPanelType,
                       .editorClass = "TKorvelForm16_64p", .component = "KorvelForm16_64p",
                       .eepromSize = kSystemPanelEepromSize, .memorySize = kSystemPanelMemorySize,
                       .acceptedVariants = {kSystemPanelVariant}};
    d.title = [](quint8) { return QStringLiteral("КОРВЕЛ-16.64П (KVL64P-2)"); };
    d.factoryFile = [](const QString &) { return QStringLiteral("adjustments/kvl64p-1.vaf"); };
    d.slotDescription = [](quint8 v) {
        return v == 2 ? QStringLiteral("- Корвел-16.64П (kvl64p-2)") : QStringLiteral("- Корвел-16.64П");
    };
    d.links = {{3, "KVL64P-2", "КОРВЕЛ - 16.64П", Model::Korvel16_64p, kSystemPanelVariant}};
    d.firmwareName = "КОРВЕЛ-16.64П (KVL64P-";
    d.simulatorNames = {QStringLiteral("64p"), QStringLiteral("16.64p")};
    d.takesConfiguratorTransfers = false;
    d.segments = [](quint8) { return systemPanelSegments(); };
    d.deviceWrite = [](quint8) { return deviceTransfer(TransferPlan::Direction::Write); };
    d.deviceRead = [](quint8, qint32) { return deviceTransfer(TransferPlan::Direction::Read); };
    d.factoryImages = [](quint8) { return factoryImages(); };
    d.settingFields = [](const SettingsImages &images, quint8) { return systemPanelSettingFields(decoded(images)); };
    d.report = [](const SettingsImages &images, quint8) { return systemPanelReport(decoded(images).panel); };
    d.objectNumber = [](const SettingsImages &images, quint8) { return decoded(images).panel.objectNumbers[0]; };
    return d;
}
