#pragma once

#include <QByteArray>
#include <QList>

// How the sequencer treats the good reply to a request.
enum PacketKind : quint8 {
    kKindEeprom = 1,       // configurator read / descriptor of an EEPROM block: Count bytes to EepromImage
    kKindMemory = 2,       // the same for MemoryImage
    kKindSetAddress = 3,
    kKindIdentify = 4,     // reply bytes 4, 5: device type and firmware variant
    kKindEepromByte = 5,   // reply byte 4 to EepromImage[Dest]
    kKindMemoryRead = 6,   // every payload byte to MemoryImage from Dest
    kKindWrite = 7,
    kKindRegularMode = 8,  // not answered
    kKindSlotHeader = 9,   // as kKindIdentify, from a configurator slot
    kKindSurvey = 10,      // as kKindIdentify, one slot of a survey
};

// One queued request.
struct TPacket {
    quint8 Kind = 0;
    QByteArray Data; // the complete request frame, CRC included
    qint32 Dest = 0;
    qint32 Count = 0;

    // A device write at the device's address pointer (memory or EEPROM), which moves the
    // pointer on: resending it alone would store its bytes past their place.
    bool writesAtDevicePointer() const;
    // A later failure resends from here: set-address, the configurator requests of kinds 1
    // and 2, and every write that carries its own address.
    bool isResendPoint() const;
    // Stores something in the device or the configurator.
    bool isWrite() const;
};

// One firmware block of a HEX file.
struct THexData {
    quint8 count = 0;
    quint16 address = 0;
    qint32 endAddress = 0; // address + count
    QByteArray data;
};

// The blocks cut into pieces of at most `maxSize` bytes, each piece at the address of
// its first byte, so that every byte still lands where its block puts it.
QList<THexData> splitBlocks(const QList<THexData> &blocks, int maxSize);

// Configurator memory: slot n (1..4) uses the slot-1 addresses plus 0x40 * (n - 1).
namespace configurator {
inline constexpr quint16 kFirstSlotHeader = 0x1000;
inline constexpr quint16 kSlotStride = 0x40;
inline constexpr int kSlotCount = 4;
inline constexpr quint16 kClearFirst = 0x1000;
inline constexpr quint16 kClearLast = 0x60C0;
inline constexpr int kClearSteps = (kClearLast - kClearFirst) / kSlotStride + 1; // 324 quarters
// Slot base 0, 64, 128, 192 for slots 1..4; any other value gives 0.
quint16 slotBase(int slot);
inline quint16 slotHeaderAddress(int slot) { return kFirstSlotHeader + slotBase(slot); }

// Firmware in the configurator: descriptors at 0x1000, 0x1200 and then 4 apart, data 8
// apart from 0x4000. The descriptors must stay below the data, which bounds the chain.
inline constexpr quint16 kFirmwareFirstDescriptor = 0x1000;
inline constexpr quint16 kFirmwareSecondDescriptor = 0x1200;
inline constexpr int kFirmwareDescriptorStep = 4;
inline constexpr quint16 kFirmwareFirstData = 0x4000;
inline constexpr int kFirmwareDataStep = 8;
inline constexpr int kFirmwareMaxBlocks =
    (kFirmwareFirstData - kFirmwareSecondDescriptor) / kFirmwareDescriptorStep + 1;
} // namespace configurator

// A block descriptor of the configurator: which device block the data at `data` are for.
// Stored as 10 bytes after the record address (little-endian words): type, variant, area,
// data address, device address, count, next.
struct SlotDescriptor {
    quint16 record = 0;        // configurator address of this descriptor
    quint16 data = 0;          // configurator address of the block's data
    quint16 deviceAddress = 0; // target address in the device
    quint16 next = 0;          // next descriptor; below 0x1000 ends the chain
    quint8 deviceType = 0;
    quint8 variant = 0;
    quint8 area = 0;           // 1 EEPROM, 2 working memory
    quint8 count = 0;

    static constexpr int kStoredSize = 10;
    QByteArray stored() const;
    // The descriptor held by the stored bytes of `record` (at least kStoredSize of them).
    static SlotDescriptor fromStored(quint16 record, const QByteArray &bytes);

    friend bool operator==(const SlotDescriptor &, const SlotDescriptor &) = default;
};

// The ordered requests of one exchange, with the builders that append them.
class TPacketList
{
public:
    const QList<TPacket> &packets() const { return m_packets; }
    qsizetype size() const { return m_packets.size(); }
    bool isEmpty() const { return m_packets.isEmpty(); }
    const TPacket &at(qsizetype i) const { return m_packets.at(i); }
    // The requests from `first` on, as a list of their own (a cut exchange resumed).
    TPacketList from(qsizetype first) const;

    void AddSetAddress(quint16 address);
    void AddIdentify();
    void AddRegularMode();
    void AddReadEepromByte(qint32 imageIndex);
    void AddWriteEeprom(int chunk, int offset, int count, const QByteArray &eepromImage);
    void AddWriteMemory(int chunk, int offset, int count, const QByteArray &memoryImage);
    void AddReadMemory(int chunk, int count, int offset);
    void AddReadMemoryShort(int offset);
    void AddShortWrite(quint8 shortAddress, int chunk, int offset, int count,
                       const QByteArray &memoryImage);
    void AddShortRead(quint8 shortAddress, quint8 count, int offset);
    void AddClockWrite(int offset, const QByteArray &memoryImage);
    void AddClockRead(int offset);

    using Descriptor = SlotDescriptor;
    void AddDescriptor(const Descriptor &d);
    void AddConfiguratorWrite(quint16 address, int offset, int count, const QByteArray &image);
    void AddConfiguratorRead(quint16 address, qint32 dest, quint8 area, qint32 count);
    void AddReadSlotHeader(quint16 address);
    void AddSurveySlots();
    void AddClearConfigurator();
    // Blocks longer than one frame carries go out as several records, each at its own
    // address. The configurator chain takes at most kFirmwareMaxBlocks records.
    void AddFirmwareToConfigurator(quint8 deviceType, quint8 variant, const QList<THexData> &blocks);
    void AddFirmwareToDevice(const QList<THexData> &blocks);

private:
    void add(quint8 kind, QByteArray frame, qint32 dest = 0, qint32 count = 0);
    void addChunkedWrite(quint8 command, int chunk, int offset, int count, const QByteArray &image);

    QList<TPacket> m_packets;
};

// Image bytes [offset, offset + count); bytes beyond the image's end read as 0.
QByteArray imageSlice(const QByteArray &image, int offset, int count);
