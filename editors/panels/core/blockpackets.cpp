#include "blockpackets.h"

namespace {

const QByteArray &imageOf(PanelArea area, const QByteArray &eeprom, const QByteArray &memory)
{
    return area == PanelArea::Eeprom ? eeprom : memory;
}

} // namespace

void appendDeviceWrite(TPacketList &list, const QList<DeviceBlock> &blocks, PanelArea area,
                       const QByteArray &eepromImage, const QByteArray &memoryImage)
{
    for (const DeviceBlock &block : blocks) {
        if (block.area != area)
            continue;
        list.AddSetAddress(block.deviceAddress);
        if (area == PanelArea::Eeprom)
            list.AddWriteEeprom(block.requestSize, block.imageOffset, block.length, eepromImage);
        else
            list.AddWriteMemory(block.requestSize, block.imageOffset, block.length, memoryImage);
    }
}

void appendDeviceRead(TPacketList &list, const QList<DeviceBlock> &blocks, PanelArea area)
{
    for (const DeviceBlock &block : blocks) {
        if (block.area != area)
            continue;
        list.AddSetAddress(block.deviceAddress);
        if (area == PanelArea::Eeprom) {
            for (int i = 0; i < block.length; ++i)
                list.AddReadEepromByte(block.imageOffset + i);
        } else if (block.form == RequestForm::ShortRead) {
            list.AddReadMemoryShort(block.imageOffset);
        } else {
            list.AddReadMemory(block.requestSize, block.length, block.imageOffset);
        }
    }
}

void appendConfiguratorWrite(TPacketList &list, const QList<ConfiguratorWriteBlock> &blocks,
                             const QByteArray &eepromImage, const QByteArray &memoryImage)
{
    for (PanelArea area : {PanelArea::Eeprom, PanelArea::Memory}) {
        for (const ConfiguratorWriteBlock &block : blocks) {
            if (block.data.area == area)
                list.AddDescriptor(block.descriptor);
        }
        for (const ConfiguratorWriteBlock &block : blocks) {
            if (block.data.area == area)
                list.AddConfiguratorWrite(block.data.dataAddress, block.data.imageOffset,
                                          block.data.length,
                                          imageOf(area, eepromImage, memoryImage));
        }
    }
}

void appendConfiguratorRead(TPacketList &list, const QList<ConfiguratorBlock> &blocks)
{
    for (const ConfiguratorBlock &block : blocks)
        list.AddConfiguratorRead(block.dataAddress, block.imageOffset, quint8(block.area),
                                 block.length);
}
