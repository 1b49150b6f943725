#include "panelcodec.h"
#include "panelencoding.h"

namespace {

using ZoneSets = std::array<quint16, kZoneSetCount>;

quint16 &zoneSet(ZoneSets &sets, ZoneSet which)
{
    return sets[std::size_t(which)];
}

quint16 zoneSet(const ZoneSets &sets, ZoneSet which)
{
    return sets[std::size_t(which)];
}

constexpr ZoneSet outputColumnSet(int column)
{
    return ZoneSet(int(ZoneSet::ColumnA) + column);
}

// The set that holds a zone for each combo item; items without a set leave every bit clear.
constexpr std::array<std::optional<ZoneSet>, 3> kDetectorTypeSets{
    ZoneSet::Closed, std::nullopt, ZoneSet::Combined};
constexpr std::array<std::optional<ZoneSet>, 4> kModeSets{
    std::nullopt, ZoneSet::OneDetector, ZoneSet::TwoDetectors, ZoneSet::TwoZones};

template<std::size_t N>
std::optional<ZoneSet> setOfItem(const std::array<std::optional<ZoneSet>, N> &sets, int item)
{
    return item >= 0 && std::size_t(item) < N ? sets[std::size_t(item)] : std::nullopt;
}

ZoneSets zoneSetsOf(const PanelSettings &settings, int zoneCount)
{
    ZoneSets sets{};
    for (int zone = 1; zone <= zoneCount; ++zone) {
        const PanelZone &z = settings.zones[std::size_t(zone - 1)];
        const quint16 bit = zoneBit(zone);
        for (int column = 0; column < kOutputColumnCount; ++column) {
            if (z.outputs[std::size_t(column)])
                zoneSet(sets, outputColumnSet(column)) |= bit;
        }
        if (const auto set = setOfItem(kDetectorTypeSets, z.detectorType))
            zoneSet(sets, *set) |= bit;
        if (const auto set = setOfItem(kModeSets, z.mode))
            zoneSet(sets, *set) |= bit;
    }
    return sets;
}

int decodedDetectorType(const ZoneSets &sets, quint16 bit)
{
    if (zoneSet(sets, ZoneSet::Combined) & bit)
        return kDetectorCombined;
    return zoneSet(sets, ZoneSet::Closed) & bit ? kDetectorClosed : kDetectorOpen;
}

// When several mode bits are set, two zones wins over one detector, which wins over two
// detectors.
int decodedMode(const ZoneSets &sets, quint16 bit)
{
    if (zoneSet(sets, ZoneSet::TwoZones) & bit)
        return kModeTwoZones;
    if (zoneSet(sets, ZoneSet::OneDetector) & bit)
        return kModeOneDetector;
    return zoneSet(sets, ZoneSet::TwoDetectors) & bit ? kModeTwoDetectors : kModeNone;
}

void applyZoneSets(const ZoneSets &sets, int zoneCount, PanelSettings &settings)
{
    for (int zone = 1; zone <= zoneCount; ++zone) {
        PanelZone &z = settings.zones[std::size_t(zone - 1)];
        const quint16 bit = zoneBit(zone);
        for (int column = 0; column < kOutputColumnCount; ++column)
            z.outputs[std::size_t(column)] = zoneSet(sets, outputColumnSet(column)) & bit;
        z.detectorType = decodedDetectorType(sets, bit);
        z.mode = decodedMode(sets, bit);
    }
}

// A timing byte holds its spinner's value divided by the scale.
struct TimingField {
    int TimingLayout::*offset;
    PanelSpinner spinner;
    int scale;
};
constexpr std::array<TimingField, 3> kTimingFields{{
    {&TimingLayout::lineFault, PanelSpinner::LineFault, 1},
    {&TimingLayout::siren, PanelSpinner::Siren, 10},
    {&TimingLayout::coincidence, PanelSpinner::Coincidence, 10},
}};

} // namespace

void encodeTiming(const TimingLayout &layout, const PanelSettings &settings, QByteArray &image)
{
    for (const TimingField &field : kTimingFields) {
        if (layout.*field.offset < 0)
            continue;
        const int value = spinnerRange(field.spinner).clamp(settings.spinner(field.spinner));
        putByte(image, layout.*field.offset, quint8(value / field.scale));
    }
    if (layout.address >= 0)
        putByte(image, layout.address, hexPairValue(settings.address));
}

void decodeTiming(const TimingLayout &layout, const QByteArray &image, PanelSettings &settings)
{
    for (const TimingField &field : kTimingFields) {
        if (layout.*field.offset < 0)
            continue;
        const int value = byteAt(image, layout.*field.offset) * field.scale;
        settings.spinner(field.spinner) = spinnerRange(field.spinner).clamp(value);
    }
    if (layout.address >= 0)
        settings.address = addressText(byteAt(image, layout.address));
}

ZoneGridLayout zoneGridLayout(PanelModel model)
{
    const PanelModelInfo &info = panelModelInfo(model);
    return {info.zoneCount, info.zoneSetOffsets, info.zoneSetWidth};
}

void encodeZoneGrid(const ZoneGridLayout &layout, const PanelSettings &settings, QByteArray &image)
{
    const ZoneSets sets = zoneSetsOf(settings, layout.zoneCount);
    for (int i = 0; i < kZoneSetCount; ++i)
        writeZoneSet(image, layout.offsets[std::size_t(i)], layout.width, sets[std::size_t(i)]);
}

void decodeZoneGrid(const ZoneGridLayout &layout, const QByteArray &image, PanelSettings &settings)
{
    ZoneSets sets{};
    for (int i = 0; i < kZoneSetCount; ++i)
        sets[std::size_t(i)] = readZoneSet(image, layout.offsets[std::size_t(i)], layout.width);
    applyZoneSets(sets, layout.zoneCount, settings);
}

QByteArray encodeEeprom(PanelModel model, int variant, const PanelSettings &settings)
{
    const PanelModelInfo &info = panelModelInfo(model);
    QByteArray image(info.eepromSize, '\0');
    encodeZoneGrid(zoneGridLayout(model), settings, image);
    if (const auto layout = timingLayout(model, variant))
        encodeTiming(*layout, settings, image);
    writeWord(image, info.accessCode2Offset,
              hexWordValue(settings.accessCode2, kDefaultAccessCode2));
    writeWord(image, info.accessCode3Offset,
              hexWordValue(settings.accessCode3, kDefaultAccessCode3));
    return image;
}

void decodeEeprom(PanelModel model, int variant, const QByteArray &image, PanelSettings &settings)
{
    const PanelModelInfo &info = panelModelInfo(model);
    decodeZoneGrid(zoneGridLayout(model), image, settings);
    if (const auto layout = timingLayout(model, variant))
        decodeTiming(*layout, image, settings);
    settings.accessCode2 = hexWordText(readWord(image, info.accessCode2Offset));
    settings.accessCode3 = hexWordText(readWord(image, info.accessCode3Offset));
}

QByteArray defaultEepromImage(PanelModel model)
{
    const PanelModelInfo &info = panelModelInfo(model);
    QByteArray image(info.eepromSize, '\0');
    const quint16 everyZone = quint16((1u << info.zoneCount) - 1);
    writeZoneSet(image, info.zoneSetOffsets[std::size_t(ZoneSet::Closed)], info.zoneSetWidth,
                 everyZone);
    return image;
}
