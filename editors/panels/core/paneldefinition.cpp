#include "paneldefinition.h"

#include "blockpackets.h"
#include "panelcodec.h"
#include "panelfields.h"
#include "panelreport.h"
#include "panelsections.h"

namespace {

QString panelTitle(const char *zones, const QString &version)
{
    return QStringLiteral("КОРВЕЛ-%1П (%2)").arg(QLatin1String(zones), version);
}

QString fourZoneTitle(quint8 variant)
{
    if (variant == 2)
        return panelTitle("4", QStringLiteral("KVL4P-2"));
    if (variant == 3 || variant == 4)
        return panelTitle("4", QStringLiteral("KVL4P-3"));
    if (variant == 5 || variant == 6)
        return panelTitle("4", QStringLiteral("KVL4P-4"));
    return {};
}

// A 4-zone panel reporting variant 0 is a variant 3 panel.
quint8 fourZoneVariant(quint8 reported)
{
    return reported == 0 ? quint8(3) : reported;
}

// Settings held for no variant yet (a file of variant 0) take a variant 3 or 4 panel's.
std::optional<quint8> fourZoneWriteVariant(quint8 held, quint8 reported)
{
    const quint8 device = fourZoneVariant(reported);
    const quint8 taken = held == 0 && (device == 3 || device == 4) ? device : held;
    return taken == device ? std::optional<quint8>(taken) : std::nullopt;
}

QString eightZoneTitle(quint8 variant)
{
    if (variant >= 2 && variant <= 4)
        return panelTitle("8", QStringLiteral("KVL8P-%1").arg(variant));
    if (variant == 5 || variant == 6)
        return panelTitle("8", QStringLiteral("KVL8P-5"));
    return {};
}

QString sixteenZoneTitle(quint8 variant)
{
    return panelTitle("16", QStringLiteral("KVL16P-%1").arg(variant));
}

// The factory file whose version the title names: "(KVL4P-3)" gives "adjustments/kvl4p-3.vaf".
std::function<QString(const QString &)> factoryFileByTitle(const char *prefix, int first, int last)
{
    return [prefix, first, last](const QString &title) -> QString {
        for (int v = first; v <= last; ++v) {
            const QString version = QStringLiteral("%1-%2").arg(QLatin1String(prefix)).arg(v);
            if (title.endsWith(QStringLiteral("(") + version.toUpper() + u')'))
                return QStringLiteral("adjustments/") + version + QStringLiteral(".vaf");
        }
        return {};
    };
}

QString fourZoneSlot(quint8 variant)
{
    if (variant == 0)
        return QStringLiteral("- Корвел-4П (kvl4p-3)");
    return variant == 2 ? QStringLiteral("- Корвел-4П (kvl4p-2)") : QStringLiteral("- Корвел-4П");
}

QString eightZoneSlot(quint8 variant)
{
    if (variant >= 2 && variant <= 4)
        return QStringLiteral("- Корвел-8П (kvl8p-%1)").arg(variant);
    return QStringLiteral("- Корвел-8П");
}

QString sixteenZoneSlot(quint8 variant)
{
    if (variant >= 2 && variant <= 4)
        return QStringLiteral("- Корвел-16П (kvl16p-%1)").arg(variant);
    return QStringLiteral("- Корвел-16П");
}

QList<PlanStep> stepsOf(const QList<DeviceBlock> &blocks, PanelArea area)
{
    QList<PlanStep> steps;
    for (const DeviceBlock &block : blocks) {
        if (block.area == area)
            steps.append(block);
    }
    return steps;
}

TransferPlan deviceTransfer(TransferPlan::Direction direction, const QList<DeviceBlock> &blocks)
{
    const bool write = direction == TransferPlan::Direction::Write;
    return {direction,
            {{write ? stagetext::kWriteEeprom : stagetext::kReadEeprom, stepsOf(blocks, PanelArea::Eeprom)},
             {write ? stagetext::kWriteMemory : stagetext::kReadMemory, stepsOf(blocks, PanelArea::Memory)}}};
}

QList<ImageSegment> segmentsOf(PanelModel panel)
{
    QList<ImageSegment> segments;
    for (const EepromBlock &b : panelModelInfo(panel).deviceEepromBlocks)
        segments.append({ImageArea::Eeprom, b.imageOffset, b.length, DeviceSpace::Eeprom, b.deviceAddress});
    for (const MemoryBlock &b : memoryBlocks(panel))
        segments.append({ImageArea::Memory, b.imageOffset, b.length, DeviceSpace::Memory, b.deviceAddress});
    return segments;
}

// The firmware variant that answers a two-byte read with the whole block reads the test
// report as five bytes.
QMap<int, int> wholeBlockReads(PanelModel panel, quint8 variant)
{
    constexpr int kTestReportReadLength = 5;
    QMap<int, int> lengths;
    if (panelModelInfo(panel).shortReadVariant != variant)
        return lengths;
    for (const MemoryBlock &b : memoryBlocks(panel))
        lengths.insert(b.deviceAddress, b.k == kTestReportBlock ? kTestReportReadLength : b.length);
    return lengths;
}

SettingsImages factoryImages(PanelModel panel, quint8 variant)
{
    PanelSettings reset;
    decodeEeprom(panel, variant, defaultEepromImage(panel), reset);
    decodeMemory(panel, QByteArray(panelModelInfo(panel).memorySize, '\0'), reset);
    return {encodeEeprom(panel, variant, reset), encodeMemory(panel, reset)};
}

PanelSettings decoded(PanelModel panel, const SettingsImages &images, quint8 variant)
{
    PanelSettings s;
    decodeEeprom(panel, variant, images.eeprom, s);
    decodeMemory(panel, images.memory, s);
    return s;
}

DeviceDefinition withPanelTransfers(DeviceDefinition d, PanelModel panel)
{
    const PanelModelInfo &info = panelModelInfo(panel);
    d.typeCode = info.deviceType;
    d.eepromSize = info.eepromSize;
    d.memorySize = info.memorySize;
    d.readMemorySize = info.deviceReadMemorySize;
    d.segments = [panel](quint8) { return segmentsOf(panel); };
    d.deviceWrite = [panel](quint8 variant) {
        return deviceTransfer(TransferPlan::Direction::Write, deviceWriteBlocks(panel, variant));
    };
    d.deviceRead = [panel](quint8 variant, qint32 baud) {
        return deviceTransfer(TransferPlan::Direction::Read, deviceReadBlocks(panel, variant, baud));
    };
    d.slotVariant = [panel](quint8 variant) { return configuratorVariant(panel, variant); };
    d.slotWrite = [panel](quint8 variant, int slot) {
        return TransferPlan{TransferPlan::Direction::Write,
                            {{stagetext::writeSlot(slot),
                              configuratorWriteSteps(configuratorWriteBlocks(panel, variant, slot))}}};
    };
    d.slotRead = [panel](quint8, int slot) {
        QList<PlanStep> steps;
        for (const ConfiguratorBlock &block : configuratorReadBlocks(panel, slot))
            steps.append(block);
        return TransferPlan{TransferPlan::Direction::Read, {{stagetext::kReadSlot, steps}}};
    };
    d.factoryImages = [panel](quint8 variant) { return factoryImages(panel, variant); };
    d.settingFields = [panel](const SettingsImages &images, quint8 variant) {
        return panelSettingFields(panel, variant, decoded(panel, images, variant));
    };
    // Images of a variant that has no title of its own are titled as the variant an editor
    // takes for it (a 4-zone file of variant 0 as variant 3).
    d.report = [panel, title = d.title, editorVariant = d.editorVariant](const SettingsImages &images,
                                                                        quint8 variant) {
        return panelReport(panel, variant, title(editorVariant(variant)), decoded(panel, images, variant));
    };
    d.wholeBlockReads = [panel](quint8 variant) { return wholeBlockReads(panel, variant); };
    // Of the two numbers the memory header keeps, the first is the panel's own.
    d.objectNumber = [panel](const SettingsImages &images, quint8 variant) {
        return decoded(panel, images, variant).objectNumbers[0];
    };
    return d;
}

DeviceDefinition fourZone()
{
    DeviceDefinition d{.model = Model::Korvel4p, .typeCode = 0,
                       .editorClass = "TKorvelForm4p", .component = "KorvelForm4p",
                       .eepromSize = 0, .memorySize = 0, .acceptedVariants = {0, 2, 3, 4, 5, 6}};
    d.editorVariant = fourZoneVariant;
    d.writeVariant = fourZoneWriteVariant;
    d.title = fourZoneTitle;
    d.factoryFile = factoryFileByTitle("kvl4p", 2, 4);
    d.slotDescription = fourZoneSlot;
    d.firmwareName = "КОРВЕЛ-4П (KVL4P-";
    d.simulatorNames = {QStringLiteral("4p")};
    d.links = {{0, "KVL4P-2", "КОРВЕЛ - 4П", Model::Korvel4p, 2},
               {6, "KVL4P-3", "КОРВЕЛ - 4П", Model::Korvel4p, 4},
               {7, "KVL4P-4", "КОРВЕЛ - 4П", Model::Korvel4p, 5}};
    return withPanelTransfers(d, PanelModel::FourZone);
}

DeviceDefinition eightZone()
{
    DeviceDefinition d{.model = Model::Korvel8p, .typeCode = 0,
                       .editorClass = "TKorvelForm8p", .component = "KorvelForm8p",
                       .eepromSize = 0, .memorySize = 0, .acceptedVariants = {2, 3, 4, 5, 6}};
    d.title = eightZoneTitle;
    d.factoryFile = factoryFileByTitle("kvl8p", 2, 5);
    d.slotDescription = eightZoneSlot;
    d.firmwareName = "КОРВЕЛ-8П (KVL8P-";
    d.simulatorNames = {QStringLiteral("8p")};
    d.links = {{1, "KVL8P-2", "КОРВЕЛ - 8П", Model::Korvel8p, 2},
               {4, "KVL8P-3", "КОРВЕЛ - 8П", Model::Korvel8p, 3},
               {5, "KVL8P-4", "КОРВЕЛ - 8П", Model::Korvel8p, 4},
               {8, "KVL8P-5", "КОРВЕЛ - 8П", Model::Korvel8p, 5},
               {15, "KVL8P-5.01", "КОРВЕЛ - 8П", Model::Korvel8p, 6}};
    return withPanelTransfers(d, PanelModel::EightZone);
}

DeviceDefinition sixteenZone()
{
    DeviceDefinition d{.model = Model::Korvel16p, .typeCode = 0,
                       .editorClass = "TKorvelForm16p", .component = "KorvelForm16p",
                       .eepromSize = 0, .memorySize = 0, .acceptedVariants = {2, 3, 4}};
    d.title = sixteenZoneTitle;
    d.factoryFile = [](const QString &) { return QStringLiteral("adjustments/kvl16p-2.vaf"); };
    d.slotDescription = sixteenZoneSlot;
    d.firmwareName = "КОРВЕЛ-16П (KVL16P-";
    d.simulatorNames = {QStringLiteral("16p")};
    d.links = {{2, "KVL16P-2", "КОРВЕЛ - 16П", Model::Korvel16p, 2},
               {9, "KVL16P-3", "КОРВЕЛ - 16П", Model::Korvel16p, 3},
               {16, "KVL16P-4", "КОРВЕЛ - 16П", Model::Korvel16p, 4}};
    return withPanelTransfers(d, PanelModel::SixteenZone);
}

} // namespace

DeviceDefinition panelDefinition(PanelModel panel)
{
    switch (panel) {
    case PanelModel::FourZone: return fourZone();
    case PanelModel::EightZone: return eightZone();
    case PanelModel::SixteenZone: break;
    }
    return sixteenZone();
}

DeviceDefinition fourZonePanelDefinition()
{
    return panelDefinition(PanelModel::FourZone);
}

DeviceDefinition eightZonePanelDefinition()
{
    return panelDefinition(PanelModel::EightZone);
}

DeviceDefinition sixteenZonePanelDefinition()
{
    return panelDefinition(PanelModel::SixteenZone);
}
