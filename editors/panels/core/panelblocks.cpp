#include "panelblocks.h"
#include "panelsections.h"

namespace {

constexpr int kEepromWriteChunk = 8;
constexpr int kLastEepromWriteChunk = 4;
constexpr int kEepromReadRequestSize = 1; // one EEPROM-byte read per image byte
constexpr int kShortReadRequestSize = 2;  // a short read asks for two bytes

QList<DeviceBlock> eepromWriteBlocks(const PanelModelInfo &info, int variant)
{
    QList<DeviceBlock> blocks;
    const QList<EepromBlock> &eeprom = info.deviceEepromBlocks;
    for (qsizetype i = 0; i < eeprom.size(); ++i) {
        const EepromBlock &block = eeprom[i];
        const bool last = i == eeprom.size() - 1;
        blocks.append({PanelArea::Eeprom, block.deviceAddress, block.imageOffset,
                       variant == 2 ? block.writeLengthVariant2 : block.length,
                       last ? kLastEepromWriteChunk : kEepromWriteChunk});
    }
    return blocks;
}

QList<DeviceBlock> eepromReadBlocks(const PanelModelInfo &info)
{
    QList<DeviceBlock> blocks;
    for (const EepromBlock &block : info.deviceEepromBlocks)
        blocks.append({PanelArea::Eeprom, block.deviceAddress, block.imageOffset, block.length,
                       kEepromReadRequestSize});
    return blocks;
}

int withTestReportLength(const MemoryBlock &block, int testReportLength)
{
    return block.k == kTestReportBlock ? testReportLength : block.length;
}

const MemoryReadRule *memoryReadRule(const PanelModelInfo &info, int variant)
{
    for (const MemoryReadRule &rule : info.memoryReadRules) {
        if (variant >= rule.firstVariant && variant <= rule.lastVariant)
            return &rule;
    }
    return nullptr;
}

DeviceBlock memoryReadBlock(const MemoryBlock &block, const MemoryReadRule &rule, bool shortRead)
{
    const int length = withTestReportLength(block, rule.testReportLength);
    if (shortRead)
        return {PanelArea::Memory, block.deviceAddress, block.imageOffset, length,
                kShortReadRequestSize, RequestForm::ShortRead};
    return {PanelArea::Memory, block.deviceAddress, block.imageOffset, length,
            rule.requestSize == kWholeBlock ? length : rule.requestSize};
}

TPacketList::Descriptor descriptor(quint16 record, quint16 data, quint16 deviceAddress,
                                   quint16 next, PanelArea area, int count)
{
    TPacketList::Descriptor d = blockDescriptor(record, data, deviceAddress, area, count);
    d.next = next;
    return d;
}

QList<ConfiguratorWriteBlock> configuratorEepromWrites(const PanelModelInfo &info, int variant,
                                                      quint16 base)
{
    QList<ConfiguratorWriteBlock> writes;
    const QList<ConfiguratorEepromBlock> &eeprom = info.configuratorEepromBlocks;
    for (qsizetype i = 0; i < eeprom.size(); ++i) {
        const ConfiguratorEepromBlock &block = eeprom[i];
        const quint16 next =
            i + 1 < eeprom.size() ? eeprom[i + 1].descriptorAddress : kMemoryDescriptorBase;
        const int deviceLength = variant == 2 ? block.deviceLengthVariant2 : block.deviceLength;
        writes.append({descriptor(block.descriptorAddress + base, block.dataAddress + base,
                                  block.deviceAddress, next + base, PanelArea::Eeprom,
                                  deviceLength),
                       {PanelArea::Eeprom, quint16(block.dataAddress + base), block.imageOffset,
                        block.storedLength}});
    }
    return writes;
}

QList<ConfiguratorWriteBlock> configuratorMemoryWrites(PanelModel model, quint16 base)
{
    QList<ConfiguratorWriteBlock> writes;
    for (const MemoryBlock &block : memoryBlocks(model)) {
        const bool last = block.k == kMemoryBlockCount - 1;
        const quint16 next = last ? 0 : block.descriptorAddress + kConfiguratorBlockStep + base;
        writes.append({descriptor(block.descriptorAddress + base, block.dataAddress + base,
                                  block.deviceAddress, next, PanelArea::Memory, block.length),
                       {PanelArea::Memory, quint16(block.dataAddress + base), block.imageOffset,
                        block.length}});
    }
    return writes;
}

} // namespace

QList<DeviceBlock> deviceWriteBlocks(PanelModel model, int editorVariant)
{
    const PanelModelInfo &info = panelModelInfo(model);
    QList<DeviceBlock> blocks;
    if (eepromSupported(model, editorVariant))
        blocks = eepromWriteBlocks(info, editorVariant);
    for (const MemoryBlock &block : memoryBlocks(model)) {
        const int length = withTestReportLength(block, info.testReportWriteLength);
        blocks.append({PanelArea::Memory, block.deviceAddress, block.imageOffset, length, length});
    }
    return blocks;
}

QList<DeviceBlock> deviceReadBlocks(PanelModel model, int firmwareVariant, qint32 baudRate)
{
    const PanelModelInfo &info = panelModelInfo(model);
    QList<DeviceBlock> blocks = eepromReadBlocks(info);
    const MemoryReadRule *rule = memoryReadRule(info, firmwareVariant);
    if (!rule)
        return blocks;
    const bool shortRead =
        info.shortReadVariant == firmwareVariant && baudRate == kShortReadBaudRate;
    for (const MemoryBlock &block : memoryBlocks(model))
        blocks.append(memoryReadBlock(block, *rule, shortRead));
    return blocks;
}

quint8 configuratorVariant(PanelModel model, int editorVariant)
{
    const bool recordedAsZero =
        model == PanelModel::FourZone && (editorVariant == 3 || editorVariant == 4);
    return recordedAsZero ? 0 : quint8(editorVariant);
}

QList<ConfiguratorWriteBlock> configuratorWriteBlocks(PanelModel model, int editorVariant,
                                                      int slot)
{
    const PanelModelInfo &info = panelModelInfo(model);
    const quint16 base = configurator::slotBase(slot);
    QList<ConfiguratorWriteBlock> writes;
    if (eepromSupported(model, editorVariant))
        writes = configuratorEepromWrites(info, editorVariant, base);
    writes += configuratorMemoryWrites(model, base);
    for (ConfiguratorWriteBlock &write : writes) {
        write.descriptor.deviceType = info.deviceType;
        write.descriptor.variant = configuratorVariant(model, editorVariant);
    }
    return writes;
}

QList<ConfiguratorBlock> configuratorReadBlocks(PanelModel model, int slot)
{
    const quint16 base = configurator::slotBase(slot);
    QList<ConfiguratorBlock> reads;
    for (const ConfiguratorEepromBlock &block : panelModelInfo(model).configuratorEepromBlocks)
        reads.append({PanelArea::Eeprom, quint16(block.dataAddress + base), block.imageOffset,
                      block.storedLength});
    for (const MemoryBlock &block : memoryBlocks(model))
        reads.append({PanelArea::Memory, quint16(block.dataAddress + base), block.imageOffset,
                      block.length});
    return reads;
}
