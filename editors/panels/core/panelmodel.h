#pragma once

#include "devicemodel.h"
#include "timingranges.h"
#include "zonetable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The 4-, 8- and 16-zone fire-alarm panels: what differs between the three models.

enum class PanelModel { FourZone, EightZone, SixteenZone };
inline constexpr std::array kPanelModels{PanelModel::FourZone, PanelModel::EightZone,
                                         PanelModel::SixteenZone};

using PanelArea = ImageArea;

// Image offsets of the timing bytes in the EEPROM image; -1 where a layout has no such byte.
struct TimingLayout {
    int address = -1;     // edAddress
    int lineFault = -1;   // ud7, minutes
    int siren = -1;       // ud6, tens of seconds
    int coincidence = -1; // ud5, tens of seconds
};

// A run of EEPROM image bytes stored at consecutive device addresses.
struct EepromBlock {
    quint16 deviceAddress;
    int imageOffset;
    int length;
    int writeLengthVariant2; // variant 2 firmware leaves the bytes beyond this unwritten
};

// An EEPROM block as the portable configurator keeps it (addresses of slot 1).
struct ConfiguratorEepromBlock {
    quint16 descriptorAddress;
    quint16 dataAddress;
    quint16 deviceAddress;
    int imageOffset;
    int storedLength;          // bytes written to and read back from the configurator
    int deviceLength;          // bytes the configurator later writes into the device
    int deviceLengthVariant2;
};

inline constexpr int kWholeBlock = 0; // request size: the whole block in one request

// How device reads fetch the memory blocks for a range of firmware variants.
struct MemoryReadRule {
    int firstVariant;
    int lastVariant;
    int requestSize;      // bytes per request, or kWholeBlock
    int testReportLength; // bytes read for the test-report block
};

struct PanelModelInfo {
    PanelModel model;
    quint8 deviceType;
    int zoneCount;
    int eepromSize;
    int memorySize;
    int deviceReadMemorySize; // memory image size while reading a device
    bool variantDependentEeprom; // EEPROM layout and blocks depend on the firmware variant
    ZoneTableLayout zoneTable;
    int accessCode2Offset;       // kPanelAccessCode2, high byte first
    int accessCode3Offset;       // kPanelAccessCode3
    TimingLayout timingVariant2;
    TimingLayout timingLater;    // variants 3 and up (16-zone: every variant)
    QList<EepromBlock> deviceEepromBlocks;
    QList<ConfiguratorEepromBlock> configuratorEepromBlocks;
    int testReportWriteLength;   // bytes of the test-report block sent by a device write
    QList<MemoryReadRule> memoryReadRules;
    std::optional<int> shortReadVariant; // variant that reads with short requests at 9600 baud
    QStringList columnCaptions;  // lbExit1 to lbExit5

    ZoneRange zones() const { return {1, zoneCount}; }
};

const PanelModelInfo &panelModelInfo(PanelModel model);

// Whether the 4- and 8-zone EEPROM is converted and transferred at all for this variant
// (the 16-zone panel always is).
bool eepromSupported(PanelModel model, int variant);
// The timing bytes for a variant, or none when the variant has no known layout.
std::optional<TimingLayout> timingLayout(PanelModel model, int variant);

// Spinners ud5 to ud12, in this order.
enum class PanelSpinner {
    Coincidence,  // ud5, seconds
    Siren,        // ud6, seconds
    LineFault,    // ud7, minutes
    ReportHour,   // ud8: the first test report's hour, then minute, then the period
    ReportMinute, // ud9
    PeriodDays,   // ud10
    PeriodHours,  // ud11
    PeriodMinutes // ud12
};
inline constexpr int kSpinnerCount = 8;

