#pragma once

#include "devicedefinition.h"

// The 16.64P panel ("КОРВЕЛ-16.64П"), a 16-zone panel that heads a system of up to 64 zones
// with remote panels and relay modules. Its zone grid, telephone numbers, test report and
// report-code sections lie in its images as in the 16-zone panel's (and carry the same
// control names); the device addresses differ, and the memory image adds the system table.

inline constexpr quint8 kSystemPanelType = 31;
inline constexpr quint8 kSystemPanelVariant = 2; // the only firmware the program serves
inline constexpr int kSystemPanelEepromSize = 29;
inline constexpr int kSystemPanelMemorySize = 664;
// Its sections are the 16-zone panel's 18 to 45, numbered one higher in their titles.
inline constexpr int kSystemPanelFirstSection = 19;

// EEPROM image offsets beyond the zone grid (bytes 0 to 19, laid out as the 16-zone panel's).
inline constexpr int kLineFaultOffset = 20;   // minutes
inline constexpr int kSirenOffset = 21;       // tens of seconds
inline constexpr int kCoincidenceOffset = 22; // tens of seconds
inline constexpr int kAccessCode2Offset = 23; // three bytes each
inline constexpr int kAccessCode3Offset = 26;

// Memory image offsets of the system table.
inline constexpr int kRelayMasksOffset = 434;       // module 1, then module 2
inline constexpr int kRelayMasksPerModule = 112;    // 8 relays x 7 slots x 2 bytes
inline constexpr int kSlotTypesOffset = 658;        // slots 1 to 6, a nibble each
inline constexpr int kSlotTypesLength = 3;
inline constexpr int kModulesOffset = 661;          // one presence nibble per module

// A run of image bytes at consecutive device addresses, in the order the panel's transfers
// visit them. Writes send it in requests of at most writeChunk bytes, reads ask for at most
// readChunk (EEPROM reads go one byte per request in any case).
struct SystemPanelRange {
    ImageArea area;
    quint16 deviceAddress;
    int imageOffset;
    int length;
    int writeChunk;
    int readChunk;
};

// EEPROM ranges, then memory ranges: object numbers, telephone numbers, test report,
// sections 19 to 46, slot types, module presence, relay masks of module 1 and module 2.
// Image bytes 25 to 29 and 662 to 663 lie in none: they are never transferred.
const QList<SystemPanelRange> &systemPanelRanges();

// Where every transferred image byte lives in the device (simulator, settings files).
QList<ImageSegment> systemPanelSegments();
