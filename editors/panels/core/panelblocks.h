#pragma once

#include "panelmodel.h"
#include "transferplan.h"

// The blocks in which the panel images travel, as data for the packet-list builders.

inline constexpr qint32 kShortReadBaudRate = 9600;

// One device block: a set-address request, then the transfer of the block's image bytes.
// EEPROM reads use requestSize 1: one EEPROM-byte read per image byte.
using DeviceBlock = DeviceRun;

// Write to a panel: EEPROM blocks (none for a 4- or 8-zone variant outside 2 to 6), then
// memory blocks k = 0 to 32 in one request each.
QList<DeviceBlock> deviceWriteBlocks(PanelModel model, int editorVariant);
// Read from a panel: every EEPROM byte, then the memory blocks by the read rule of the
// reported variant (none when it has no rule) and the port's speed.
QList<DeviceBlock> deviceReadBlocks(PanelModel model, int firmwareVariant, qint32 baudRate);

// Image bytes kept at a configurator data address (slot base included).
using ConfiguratorBlock = SlotData;

struct ConfiguratorWriteBlock {
    TPacketList::Descriptor descriptor; // addresses with the slot base added
    ConfiguratorBlock data;
};

// The variant recorded in a slot: the 4-zone panel records 0 for variants 3 and 4.
quint8 configuratorVariant(PanelModel model, int editorVariant);
// Write to configurator slot 1 to 4: EEPROM blocks (none for a 4- or 8-zone variant outside
// 2 to 6), then memory blocks k = 0 to 32. Per area, every descriptor is sent before the
// first data write. The descriptors chain from 0x1000 to the last memory block, whose next
// address is 0.
QList<ConfiguratorWriteBlock> configuratorWriteBlocks(PanelModel model, int editorVariant,
                                                      int slot);
// Read from a configurator slot: the stored blocks in the order of the write.
QList<ConfiguratorBlock> configuratorReadBlocks(PanelModel model, int slot);
