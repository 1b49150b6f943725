#pragma once

#include "devicedefinition.h"
#include "frame.h"
#include "sectiontable.h"

#include <QList>

// The memory image of the control-and-start device 2/4 (203 bytes; the device has no EEPROM
// image) and where each of its runs lives in the device. Codec, transfer plans, report,
// editor and simulator all read these tables.
namespace controlstart {

inline constexpr quint8 kTypeCode = 55;
inline constexpr int kMemorySize = 203;

// The runs of the image other than the event-code sections, in the order a write sends them
// (the sections go between TestReport and ZoneTable).
enum class Block {
    ObjectNumber1,  // hex word, high byte first
    ObjectNumber2,
    Telephone1,     // telephone code string
    Telephone2,
    TestReport,     // five BCD bytes, ud8 to ud12
    ZoneTable,      // the eight zone sets, by ZoneSetByte
    Times,          // by TimeByte
    DirectionFlags, // by DirectionFlag
    DirectionTimes, // by DirectionTime
    CodeBlock,      // by CodeByte, at a short address
    Clock,          // by ClockByte
};
inline constexpr int kBlockCount = 11;

struct ImageRun {
    DeviceSpace space;
    int address;      // device memory address, or the short address of the code block
    int imageOffset;
    int length;
    int writeRequestSize; // bytes per write request
};

ImageRun blockRun(Block block);
inline int offsetOf(Block block) { return blockRun(block).imageOffset; }

// Bytes of the zone table, from its offset. Zones 5 to 8 are bits 4 to 7.
enum ZoneSetByte {
    kSounderSet,      // output "ОПОВ", ckbC<z>
    kClosedSet,       // detector type "замкнутий"
    kTwoDetectorsSet, // mode "по двох СП"
    kOneDetectorSet,  // mode "по одному СП"
    kCombinedSet,     // detector type "комбінований"
    kTwoZonesSet,     // mode "по двох зонах"
    kRelay1Set,       // output "РЕЛ 1", ckbD<z>
    kRelay2Set,       // output "РЕЛ 2", ckbE<z>
};
inline constexpr int kFirstZone = 5;
inline constexpr int kLastZone = 8;

// Bytes of the times, from their offset: minutes; tens of seconds; tens of seconds.
enum TimeByte { kLineFaultTime, kSounderTime, kCoincidenceTime };

// Bits of the direction flags byte: direction d (0 or 1) uses bits 2d and 2d + 1.
enum DirectionFlag { kSupply12V = 0x01, kReleaseControl = 0x02 };
inline constexpr int kDirectionFlagBits = 2;

// Bytes of the direction times, from their offset: per direction (direction 1 first) the
// evacuation delay in seconds, then the release time in minutes.
enum DirectionTime { kEvacuationTime, kReleaseTime, kDirectionTimeBytes };
inline constexpr int kDirectionCount = 2;

// Bytes of the code block: byte 0 always 0, the level-2 code (4 digits, high byte first),
// the level-3 code (5 digits, the first in the low nibble of the first byte).
enum CodeByte { kCodeBlockPad = 0, kLevel2Code = 1, kLevel3Code = 3 };
inline constexpr int kLevel2Digits = 4;
inline constexpr int kLevel3Digits = 5;
inline constexpr quint8 kCodeBlockShortAddress = 0xC1;

// Bytes of the clock, each BCD: seconds, minutes, hours, day, month, unused (0), two-digit year.
enum ClockByte { kSeconds, kMinutes, kHours, kDay, kMonth, kClockUnused, kYear };
inline constexpr int kClockSize = frame::kClockBytes;

// The event-code sections 15 to 32, 34 and 35 (there is no section 33), on one page, in
// image order from offset 30; field k of a section is image byte k - 1 of its run. Field 1
// of section 27 (cbS271) is chosen from the protocol list.
inline constexpr int kSectionCount = 20;
inline constexpr int kSectionsImageOffset = 30;

const SectionTable &sectionTable();
ImageRun sectionRun(int sectionIndex);

// Every run in the order a write sends it: the header blocks, the sections, the rest.
QList<ImageRun> imageRuns();

} // namespace controlstart
