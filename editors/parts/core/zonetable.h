#pragma once

#include <QByteArray>
#include <QStringList>

#include <array>

// The zone table of the alarm devices: per zone a detector type, a coincidence mode and the
// outputs the zone switches, kept in the device as zone sets (one bit per zone).

inline constexpr int kMaxZones = 16;
inline constexpr int kOutputColumnCount = 5; // output columns A to E of the zone grid

// Item indices of the detector-type combos (cbTypeMessage<z>).
enum DetectorType { kDetectorClosed = 0, kDetectorOpen = 1, kDetectorCombined = 2 };
// Item indices of the coincidence-mode combos (cbMode<z>).
enum CoincidenceMode {
    kModeNone = 0, kModeOneDetector = 1, kModeTwoDetectors = 2, kModeTwoZones = 3,
};

QStringList detectorTypeItems();
QStringList coincidenceModeItems();

struct ZoneSettings {
    int detectorType = kDetectorClosed; // cbTypeMessage<z> item index
    int mode = kModeNone;               // cbMode<z> item index
    std::array<bool, kOutputColumnCount> outputs{}; // ckbA<z> to ckbE<z>

    friend bool operator==(const ZoneSettings &, const ZoneSettings &) = default;
};
// Zone z at index z - 1; a device keeps only the zones of its range.
using ZoneList = std::array<ZoneSettings, kMaxZones>;

struct ZoneRange {
    int first; // 1-based zone numbers
    int last;

    bool contains(int zone) const { return zone >= first && zone <= last; }
};

enum class ZoneSet {
    ColumnA, ColumnB, ColumnC, ColumnD, ColumnE,
    Closed, TwoDetectors, OneDetector, Combined, TwoZones,
};
inline constexpr int kZoneSetCount = 10;
inline constexpr int kNoZoneSet = -1; // offset of a set the device does not keep

// Where an image keeps the zone sets, and in which order decoding applies the sets of one
// combo when a zone is in several of them: a later set wins.
struct ZoneTableLayout {
    int setWidth; // bytes per set: 1, or 2 (zones 1 to 8, then 9 to 16)
    std::array<int, kZoneSetCount> setOffsets; // by ZoneSet, or kNoZoneSet
    std::array<ZoneSet, 2> typePrecedence;     // Closed and Combined
    std::array<ZoneSet, 3> modePrecedence;     // OneDetector, TwoDetectors and TwoZones
};

// Writes every set the layout keeps; bits of zones outside `zones` are written as 0.
void encodeZoneTable(const ZoneTableLayout &layout, ZoneRange zones, const ZoneList &settings,
                     QByteArray &image);
// A zone in no type set is "розімкнутий", in no mode set "без збігу". Output columns the
// layout does not keep are left as they were.
void decodeZoneTable(const ZoneTableLayout &layout, ZoneRange zones, const QByteArray &image,
                     ZoneList &settings);
