#include "blockpackets.h"

namespace {

template <typename Block>
void appendArea(TPacketList &list, TransferPlan::Direction direction, const QList<Block> &blocks,
                PanelArea area, const QByteArray &eepromImage, const QByteArray &memoryImage)
{
    for (const Block &block : blocks) {
        if (block.area == area)
            appendStep(list, direction, block, eepromImage, memoryImage);
    }
}

} // namespace

void appendDeviceWrite(TPacketList &list, const QList<DeviceBlock> &blocks, PanelArea area,
                       const QByteArray &eepromImage, const QByteArray &memoryImage)
{
    appendArea(list, TransferPlan::Direction::Write, blocks, area, eepromImage, memoryImage);
}

void appendDeviceRead(TPacketList &list, const QList<DeviceBlock> &blocks, PanelArea area)
{
    appendArea(list, TransferPlan::Direction::Read, blocks, area, {}, {});
}

QList<PlanStep> configuratorWriteSteps(const QList<ConfiguratorWriteBlock> &blocks)
{
    QList<PlanStep> steps;
    for (PanelArea area : {PanelArea::Eeprom, PanelArea::Memory}) {
        for (const ConfiguratorWriteBlock &block : blocks) {
            if (block.data.area == area)
                steps.append(block.descriptor);
        }
        for (const ConfiguratorWriteBlock &block : blocks) {
            if (block.data.area == area)
                steps.append(block.data);
        }
    }
    return steps;
}

void appendConfiguratorWrite(TPacketList &list, const QList<ConfiguratorWriteBlock> &blocks,
                             const QByteArray &eepromImage, const QByteArray &memoryImage)
{
    for (const PlanStep &step : configuratorWriteSteps(blocks))
        appendStep(list, TransferPlan::Direction::Write, step, eepromImage, memoryImage);
}

void appendConfiguratorRead(TPacketList &list, const QList<ConfiguratorBlock> &blocks)
{
    for (const ConfiguratorBlock &block : blocks)
        appendStep(list, TransferPlan::Direction::Read, block, {}, {});
}
