#include "packets.h"

#include "frame.h"

#include <algorithm>

using namespace frame;

namespace configurator {
quint16 slotBase(int slot)
{
    return slot >= 2 && slot <= kSlotCount ? quint16((slot - 1) * kSlotStride) : 0;
}
} // namespace configurator

QByteArray imageSlice(const QByteArray &image, int offset, int count)
{
    QByteArray bytes(std::max(count, 0), '\0');
    for (int i = 0; i < count; ++i) {
        const qsizetype index = qsizetype(offset) + i;
        if (index >= 0 && index < image.size())
            bytes[i] = image.at(index);
    }
    return bytes;
}

bool TPacket::writesAtDevicePointer() const
{
    if (Data.size() < kHeaderSize || byteAt(Data, 1) != kAddrDevice)
        return false;
    const quint8 command = byteAt(Data, 3);
    return command == kCmdWriteMemory || command == kCmdWriteEeprom;
}

bool TPacket::isResendPoint() const
{
    switch (Kind) {
    case kKindEeprom:
    case kKindMemory:
    case kKindSetAddress:
        return true;
    case kKindWrite:
        return !writesAtDevicePointer();
    default:
        return false;
    }
}

bool TPacket::isWrite() const
{
    if (Kind == kKindWrite)
        return true;
    // A descriptor store travels as kind 1 or 2, like the configurator reads.
    return (Kind == kKindEeprom || Kind == kKindMemory) && Data.size() >= kHeaderSize
           && byteAt(Data, 1) == kAddrConfigurator && byteAt(Data, 3) == kCmdStoreDescriptor;
}

TPacketList TPacketList::from(qsizetype first) const
{
    TPacketList tail;
    tail.m_packets = m_packets.mid(std::max<qsizetype>(first, 0));
    return tail;
}

void TPacketList::add(quint8 kind, QByteArray frame, qint32 dest, qint32 count)
{
    m_packets.append(TPacket{kind, std::move(frame), dest, count});
}

void TPacketList::AddSetAddress(quint16 address)
{
    add(kKindSetAddress, make(kAddrDevice, kCmdSetAddress, word(address)));
}

void TPacketList::AddIdentify()
{
    add(kKindIdentify, make(kAddrDevice, kCmdIdentify, QByteArray(2, '\0')));
}

void TPacketList::AddRegularMode()
{
    add(kKindRegularMode, make(kAddrDevice, kCmdRegularMode, QByteArray(2, '\0')));
}

void TPacketList::AddReadEepromByte(qint32 imageIndex)
{
    add(kKindEepromByte, make(kAddrDevice, kCmdReadEepromByte, QByteArray(2, '\0')), imageIndex);
}

void TPacketList::addChunkedWrite(quint8 command, int chunk, int offset, int count,
                                  const QByteArray &image)
{
    for (int done = 0; done < count && chunk > 0; done += chunk) {
        const int n = std::min(chunk, count - done);
        add(kKindWrite, make(kAddrDevice, command, imageSlice(image, offset + done, n)));
    }
}

void TPacketList::AddWriteEeprom(int chunk, int offset, int count, const QByteArray &eepromImage)
{
    addChunkedWrite(kCmdWriteEeprom, chunk, offset, count, eepromImage);
}

void TPacketList::AddWriteMemory(int chunk, int offset, int count, const QByteArray &memoryImage)
{
    addChunkedWrite(kCmdWriteMemory, chunk, offset, count, memoryImage);
}

void TPacketList::AddReadMemory(int chunk, int count, int offset)
{
    for (int done = 0; done < count && chunk > 0; done += chunk) {
        const int n = std::min(chunk, count - done);
        add(kKindMemoryRead, make(kAddrDevice, kCmdReadMemory, QByteArray(n, '\0')), offset + done);
    }
}

void TPacketList::AddReadMemoryShort(int offset)
{
    add(kKindMemoryRead, make(kAddrDevice, kCmdReadMemory, QByteArray(2, '\0')), offset);
}

void TPacketList::AddShortWrite(quint8 shortAddress, int chunk, int offset, int count,
                                const QByteArray &memoryImage)
{
    for (int done = 0; done < count && chunk > 0; done += chunk) {
        const int n = std::min(chunk, count - done);
        const QByteArray payload = char(shortAddress) + imageSlice(memoryImage, offset + done, n);
        add(kKindWrite, make(kAddrDevice, kCmdShortWrite, payload));
    }
}

void TPacketList::AddShortRead(quint8 shortAddress, quint8 count, int offset)
{
    QByteArray payload;
    payload.append(char(shortAddress));
    payload.append(char(count));
    add(kKindMemoryRead, make(kAddrDevice, kCmdShortRead, payload), offset);
}

void TPacketList::AddClockWrite(int offset, const QByteArray &memoryImage)
{
    add(kKindWrite, make(kAddrDevice, kCmdClockWrite, imageSlice(memoryImage, offset, 7)));
}

void TPacketList::AddClockRead(int offset)
{
    add(kKindMemoryRead, make(kAddrDevice, kCmdClockRead, QByteArray(2, '\x01')), offset);
}

QByteArray SlotDescriptor::stored() const
{
    QByteArray bytes;
    bytes.append(char(deviceType));
    bytes.append(char(variant));
    bytes.append(char(area));
    bytes.append(word(data));
    bytes.append(word(deviceAddress));
    bytes.append(char(count));
    bytes.append(word(next));
    return bytes;
}

SlotDescriptor SlotDescriptor::fromStored(quint16 record, const QByteArray &bytes)
{
    const auto wordAt = [&bytes](int i) { return quint16(byteAt(bytes, i) | byteAt(bytes, i + 1) << 8); };
    SlotDescriptor d;
    d.record = record;
    d.deviceType = byteAt(bytes, 0);
    d.variant = byteAt(bytes, 1);
    d.area = byteAt(bytes, 2);
    d.data = wordAt(3);
    d.deviceAddress = wordAt(5);
    d.count = byteAt(bytes, 7);
    d.next = wordAt(8);
    return d;
}

void TPacketList::AddDescriptor(const Descriptor &d)
{
    add(d.area, make(kAddrConfigurator, kCmdStoreDescriptor, word(d.record) + d.stored()));
}

void TPacketList::AddConfiguratorWrite(quint16 address, int offset, int count,
                                       const QByteArray &image)
{
    add(kKindWrite,
        make(kAddrConfigurator, kCmdStoreData, word(address) + imageSlice(image, offset, count)));
}

void TPacketList::AddConfiguratorRead(quint16 address, qint32 dest, quint8 area, qint32 count)
{
    add(area, make(kAddrConfigurator, kCmdReadStore, word(address)), dest, count);
}

void TPacketList::AddReadSlotHeader(quint16 address)
{
    add(kKindSlotHeader, make(kAddrConfigurator, kCmdReadStore, word(address)));
}

void TPacketList::AddSurveySlots()
{
    for (int slot = 1; slot <= configurator::kSlotCount; ++slot)
        add(kKindSurvey,
            make(kAddrConfigurator, kCmdReadStore, word(configurator::slotHeaderAddress(slot))));
}

void TPacketList::AddClearConfigurator()
{
    const QByteArray erased(2, '\xFF');
    for (int step = 0; step < configurator::kClearSteps; ++step) {
        const auto address = quint16(configurator::kClearFirst + step * configurator::kSlotStride);
        add(kKindWrite, make(kAddrConfigurator, kCmdStoreData, word(address) + erased));
    }
}

void TPacketList::AddFirmwareToConfigurator(quint8 deviceType, quint8 variant,
                                            const QList<THexData> &blocks)
{
    using namespace configurator;
    // Addresses in the configurator's own addressing: each record is kept whole at its address.
    constexpr int kAddressBytes = 2;
    const QList<THexData> records = splitBlocks(blocks, kMaxPayload - kAddressBytes);
    quint16 descriptor = kFirmwareFirstDescriptor;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const THexData &record = records.at(i);
        const bool last = i + 1 == records.size();
        const quint16 next = last ? 0
                             : i == 0 ? kFirmwareSecondDescriptor
                                      : quint16(descriptor + kFirmwareDescriptorStep);
        const auto dataAddress = quint16(kFirmwareFirstData + kFirmwareDataStep * i);
        AddDescriptor({descriptor, dataAddress, record.address, next, deviceType, variant,
                       kKindMemory, record.count});
        add(kKindWrite, make(kAddrConfigurator, kCmdStoreData, word(dataAddress) + record.data));
        descriptor = next;
    }
}

void TPacketList::AddFirmwareToDevice(const QList<THexData> &blocks)
{
    // The device is told the address again every tenth frame, even when the data continue.
    constexpr int kFramesPerSetAddress = 10;
    const QList<THexData> records = splitBlocks(blocks, kMaxPayload);
    qint32 expected = -1;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const THexData &record = records.at(i);
        if (i % kFramesPerSetAddress == 0 || record.address != expected)
            AddSetAddress(record.address);
        add(kKindWrite, make(kAddrDevice, kCmdWriteMemory, record.data));
        expected = record.endAddress;
    }
}

QList<THexData> splitBlocks(const QList<THexData> &blocks, int maxSize)
{
    QList<THexData> pieces;
    for (const THexData &block : blocks) {
        for (qsizetype done = 0; maxSize > 0 && done < block.data.size(); done += maxSize) {
            const QByteArray data = block.data.mid(done, maxSize);
            const qint32 address = block.address + qint32(done);
            pieces.append({quint8(data.size()), quint16(address), address + qint32(data.size()), data});
        }
    }
    return pieces;
}
