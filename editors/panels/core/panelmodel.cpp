#include "panelmodel.h"

namespace {

// Decoding: "комбінований" wins over "замкнутий"; "по двох зонах" over "по одному СП", which
// wins over "по двох СП".
constexpr std::array kPanelTypePrecedence{ZoneSet::Closed, ZoneSet::Combined};
constexpr std::array kPanelModePrecedence{ZoneSet::TwoDetectors, ZoneSet::OneDetector,
                                          ZoneSet::TwoZones};
// Zone sets of the 4- and 8-zone EEPROM image, one byte each, by ZoneSet.
constexpr ZoneTableLayout kSingleByteZoneTable{1, {0, 1, 2, 8, 9, 3, 4, 5, 6, 7},
                                               kPanelTypePrecedence, kPanelModePrecedence};
// Zone sets of the 16-zone image, one byte pair each.
constexpr ZoneTableLayout kBytePairZoneTable{2, {0, 2, 4, 6, 8, 10, 12, 14, 16, 18},
                                             kPanelTypePrecedence, kPanelModePrecedence};

constexpr int kAnyVariant = 255;

QStringList fourAndEightZoneColumns()
{
    return {QStringLiteral("АЗПЗ 1"), QStringLiteral("АЗПЗ 2"), QStringLiteral("\"ОПОВ\""),
            QStringLiteral("РЕЛ 1"), QStringLiteral("РЕЛ 2")};
}

PanelModelInfo fourZoneInfo()
{
    return PanelModelInfo{
        .model = PanelModel::FourZone,
        .deviceType = 23,
        .zoneCount = 4,
        .eepromSize = 19,
        .memorySize = 210,
        .deviceReadMemorySize = 258,
        .variantDependentEeprom = true,
        .zoneTable = kSingleByteZoneTable,
        .accessCode2Offset = 15,
        .accessCode3Offset = 17,
        .timingVariant2 = {.siren = 12, .coincidence = 13},
        .timingLater = {.lineFault = 12, .siren = 13, .coincidence = 14},
        .deviceEepromBlocks = {{0, 0, 15, 14}, {64, 15, 4, 4}},
        .configuratorEepromBlocks = {{0x1000, 0x1500, 0, 0, 8, 8, 8},
                                     {0x1200, 0x1508, 8, 8, 7, 7, 6},
                                     {0x1300, 0x1600, 64, 15, 4, 4, 4}},
        .testReportWriteLength = 6,
        .memoryReadRules = {{2, 4, 2, 6}, {5, 6, kWholeBlock, 5}},
        .shortReadVariant = 6,
        .columnCaptions = fourAndEightZoneColumns(),
    };
}

PanelModelInfo eightZoneInfo()
{
    return PanelModelInfo{
        .model = PanelModel::EightZone,
        .deviceType = 22,
        .zoneCount = 8,
        .eepromSize = 20,
        .memorySize = 274,
        .deviceReadMemorySize = 322,
        .variantDependentEeprom = true,
        .zoneTable = kSingleByteZoneTable,
        .accessCode2Offset = 16,
        .accessCode3Offset = 18,
        .timingVariant2 = {.siren = 12, .coincidence = 13},
        .timingLater = {.address = 12, .lineFault = 13, .siren = 14, .coincidence = 15},
        .deviceEepromBlocks = {{0, 0, 16, 14}, {64, 16, 4, 4}},
        .configuratorEepromBlocks = {{0x1000, 0x1500, 0, 0, 8, 8, 8},
                                     {0x1200, 0x1508, 8, 8, 8, 8, 6},
                                     {0x1300, 0x1600, 64, 16, 4, 4, 4}},
        .testReportWriteLength = 5,
        .memoryReadRules = {{2, 3, 2, 6}, {4, 6, kWholeBlock, 5}},
        .shortReadVariant = 6,
        .columnCaptions = fourAndEightZoneColumns(),
    };
}

PanelModelInfo sixteenZoneInfo()
{
    const TimingLayout timing{.address = 20, .lineFault = 21, .siren = 22, .coincidence = 23};
    return PanelModelInfo{
        .model = PanelModel::SixteenZone,
        .deviceType = 30,
        .zoneCount = 16,
        .eepromSize = 28,
        .memorySize = 512,
        .deviceReadMemorySize = 512,
        .variantDependentEeprom = false,
        .zoneTable = kBytePairZoneTable,
        .accessCode2Offset = 24,
        .accessCode3Offset = 26,
        .timingVariant2 = timing,
        .timingLater = timing,
        .deviceEepromBlocks = {{0, 0, 20, 20}, {24, 20, 4, 4}, {64, 24, 4, 4}},
        .configuratorEepromBlocks = {{0x1000, 0x1500, 0, 0, 16, 16, 16},
                                     {0x1200, 0x1510, 16, 16, 4, 4, 4},
                                     {0x1300, 0x1600, 24, 20, 4, 4, 4},
                                     {0x1400, 0x1700, 64, 24, 4, 4, 4}},
        .testReportWriteLength = 5,
        .memoryReadRules = {{0, kAnyVariant, kWholeBlock, 5}},
        .shortReadVariant = std::nullopt,
        .columnCaptions = {QStringLiteral("АЗПЗ 1"), QStringLiteral("АЗПЗ 2"),
                           QStringLiteral("АЗПЗ 3"), QStringLiteral("АЗПЗ 4"),
                           QStringLiteral("\"ОПОВ\"")},
    };
}

} // namespace

const PanelModelInfo &panelModelInfo(PanelModel model)
{
    static const std::array<PanelModelInfo, 3> infos{fourZoneInfo(), eightZoneInfo(),
                                                     sixteenZoneInfo()};
    return infos[std::size_t(model)];
}

bool eepromSupported(PanelModel model, int variant)
{
    return !panelModelInfo(model).variantDependentEeprom || (variant >= 2 && variant <= 6);
}

// Variant 6 of the 4- and 8-zone panels takes the layout of variants 3 to 5: the device
// write sends those bytes in any case.
std::optional<TimingLayout> timingLayout(PanelModel model, int variant)
{
    const PanelModelInfo &info = panelModelInfo(model);
    if (!eepromSupported(model, variant))
        return std::nullopt;
    return info.variantDependentEeprom && variant == 2 ? info.timingVariant2 : info.timingLater;
}
