#include "systempanelmap.h"

#include "panelsections.h"

namespace {

constexpr int kWhole = 0; // chunk: the whole range in one request

// Device addresses of sections 19 to 46 (sections 19 to 32 for the first telephone number,
// 33 to 46 for the second); their image offsets and lengths are the 16-zone panel's.
constexpr std::array<quint16, kSectionCount> kSectionAddresses{
    0xAA80, 0xAB00, 0x6500, 0x6580, 0xAB80, 0xAC00, 0x6300, // 19 to 25
    0x6380, 0x6400, 0x6480, 0x6740, 0x67C0, 0x6600, 0xAC80, // 26 to 32
    0xAAC0, 0xAB40, 0x6540, 0x65C0, 0xABC0, 0xAC40, 0x6340, // 33 to 39
    0x63C0, 0x6440, 0x64C0, 0x6780, 0x6800, 0x6640, 0xACC0, // 40 to 46
};

SystemPanelRange range(ImageArea area, quint16 address, int offset, int length,
                       int writeChunk = kWhole, int readChunk = kWhole)
{
    return {area, address, offset, length, writeChunk ? writeChunk : length,
            readChunk ? readChunk : length};
}

QList<SystemPanelRange> eepromRanges()
{
    constexpr auto E = ImageArea::Eeprom;
    return {
        range(E, 0x0000, 0, 20),     // zone grid
        range(E, 0x0018, 20, 3, 1),  // line-fault, siren and coincidence times, a byte a request
        range(E, 0x0040, 23, 6),     // access codes of levels 2 and 3
    };
}

QList<SystemPanelRange> memoryRanges()
{
    constexpr auto M = ImageArea::Memory;
    constexpr int kMaskWriteChunk = 64; // then the last 48 bytes
    constexpr int kMaskReadChunk = 16;
    QList<SystemPanelRange> ranges{
        range(M, 0xAA00, 0, 2),  // object number 1
        range(M, 0xAA40, 2, 2),  // object number 2
        range(M, 0x6680, 4, 8),  // first telephone number
        range(M, 0x66C0, 12, 8), // second telephone number
        range(M, 0x6700, 20, 5), // test message
    };
    for (int i = 0; i < kSectionCount; ++i) {
        const MemoryBlock section = sectionBlock(PanelModel::SixteenZone, i);
        ranges.append(range(M, kSectionAddresses[std::size_t(i)], section.imageOffset, section.length));
    }
    ranges += {
        range(M, 0x6840, kSlotTypesOffset, kSlotTypesLength),
        range(M, 0x6880, kModulesOffset, 1),
        range(M, 0x68C0, kRelayMasksOffset, kRelayMasksPerModule, kMaskWriteChunk, kMaskReadChunk),
        range(M, 0x6940, kRelayMasksOffset + kRelayMasksPerModule, kRelayMasksPerModule,
              kMaskWriteChunk, kMaskReadChunk),
    };
    return ranges;
}

} // namespace

const QList<SystemPanelRange> &systemPanelRanges()
{
    static const QList<SystemPanelRange> ranges = eepromRanges() + memoryRanges();
    return ranges;
}

QList<ImageSegment> systemPanelSegments()
{
    QList<ImageSegment> segments;
    for (const SystemPanelRange &r : systemPanelRanges()) {
        const DeviceSpace space = r.area == ImageArea::Eeprom ? DeviceSpace::Eeprom : DeviceSpace::Memory;
        segments.append({r.area, r.imageOffset, r.length, space, r.deviceAddress});
    }
    return segments;
}
