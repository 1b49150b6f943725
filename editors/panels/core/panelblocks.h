#pragma once

#include "panelmodel.h"
#include "packets.h"

// The blocks in which the panel images travel, as data for the packet-list builders.

inline constexpr qint32 kShortReadBaudRate = 9600;

enum class RequestForm {
    Chunked,  // requests of at most requestSize bytes, in order through the block
    ShortRead // one short memory read for the whole block (the reply fills from its offset)
};

// One device block: a set-address request for deviceAddress, then the transfer of
// `length` image bytes from imageOffset. EEPROM reads use requestSize 1: one
// EEPROM-byte read per image byte.
struct DeviceBlock {
    PanelArea area;
    quint16 deviceAddress;
    int imageOffset;
    int length;
    int requestSize;
    RequestForm form = RequestForm::Chunked;

    friend bool operator==(const DeviceBlock &, const DeviceBlock &) = default;
};

// Write to a panel: EEPROM blocks (none for a 4- or 8-zone variant outside 2 to 6), then
// memory blocks k = 0 to 32 in one request each.
QList<DeviceBlock> deviceWriteBlocks(PanelModel model, int editorVariant);
// Read from a panel: every EEPROM byte, then the memory blocks by the read rule of the
// reported variant (none when it has no rule) and the port's speed.
QList<DeviceBlock> deviceReadBlocks(PanelModel model, int firmwareVariant, qint32 baudRate);

// Image bytes kept at a configurator data address (slot base included).
struct ConfiguratorBlock {
    PanelArea area;
    quint16 dataAddress;
    int imageOffset;
    int length;

    friend bool operator==(const ConfiguratorBlock &, const ConfiguratorBlock &) = default;
};

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
