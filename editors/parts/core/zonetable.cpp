#include "zonetable.h"

#include "panelencoding.h"

#include <optional>

namespace {

using ZoneSets = std::array<quint16, kZoneSetCount>;

quint16 &bitsOf(ZoneSets &sets, ZoneSet set)
{
    return sets[std::size_t(set)];
}

constexpr ZoneSet outputColumnSet(int column)
{
    return ZoneSet(int(ZoneSet::ColumnA) + column);
}

// The combo item a set stands for, and back; items without a set leave every bit clear.
struct SetItem {
    ZoneSet set;
    int item;
};
constexpr std::array<SetItem, 5> kSetItems{{
    {ZoneSet::Closed, kDetectorClosed},
    {ZoneSet::Combined, kDetectorCombined},
    {ZoneSet::OneDetector, kModeOneDetector},
    {ZoneSet::TwoDetectors, kModeTwoDetectors},
    {ZoneSet::TwoZones, kModeTwoZones},
}};

int itemOfSet(ZoneSet set)
{
    for (const SetItem &entry : kSetItems) {
        if (entry.set == set)
            return entry.item;
    }
    return -1;
}

template<std::size_t N>
std::optional<ZoneSet> setOfItem(const std::array<ZoneSet, N> &sets, int item)
{
    for (ZoneSet set : sets) {
        if (itemOfSet(set) == item)
            return set;
    }
    return std::nullopt;
}

template<std::size_t N>
int decodedItem(const std::array<ZoneSet, N> &precedence, const ZoneSets &sets, quint16 bit,
                int unset)
{
    int item = unset;
    for (ZoneSet set : precedence) {
        if (sets[std::size_t(set)] & bit)
            item = itemOfSet(set);
    }
    return item;
}

bool keeps(const ZoneTableLayout &layout, ZoneSet set)
{
    return layout.setOffsets[std::size_t(set)] != kNoZoneSet;
}

} // namespace

QStringList detectorTypeItems()
{
    return {QStringLiteral("замкнутий"), QStringLiteral("розімкнутий"),
            QStringLiteral("комбінований")};
}

QStringList coincidenceModeItems()
{
    return {QStringLiteral("без збігу"), QStringLiteral("по одному СП"),
            QStringLiteral("по двох СП"), QStringLiteral("по двох зонах")};
}

void encodeZoneTable(const ZoneTableLayout &layout, ZoneRange zones, const ZoneList &settings,
                     QByteArray &image)
{
    ZoneSets sets{};
    for (int zone = zones.first; zone <= zones.last; ++zone) {
        const ZoneSettings &z = settings[std::size_t(zone - 1)];
        const quint16 bit = zoneBit(zone);
        for (int column = 0; column < kOutputColumnCount; ++column) {
            if (z.outputs[std::size_t(column)])
                bitsOf(sets, outputColumnSet(column)) |= bit;
        }
        if (const auto set = setOfItem(layout.typePrecedence, z.detectorType))
            bitsOf(sets, *set) |= bit;
        if (const auto set = setOfItem(layout.modePrecedence, z.mode))
            bitsOf(sets, *set) |= bit;
    }
    for (int i = 0; i < kZoneSetCount; ++i) {
        if (keeps(layout, ZoneSet(i)))
            writeZoneSet(image, layout.setOffsets[std::size_t(i)], layout.setWidth, sets[std::size_t(i)]);
    }
}

void decodeZoneTable(const ZoneTableLayout &layout, ZoneRange zones, const QByteArray &image,
                     ZoneList &settings)
{
    ZoneSets sets{};
    for (int i = 0; i < kZoneSetCount; ++i) {
        if (keeps(layout, ZoneSet(i)))
            sets[std::size_t(i)] = readZoneSet(image, layout.setOffsets[std::size_t(i)], layout.setWidth);
    }
    for (int zone = zones.first; zone <= zones.last; ++zone) {
        ZoneSettings &z = settings[std::size_t(zone - 1)];
        const quint16 bit = zoneBit(zone);
        for (int column = 0; column < kOutputColumnCount; ++column) {
            if (keeps(layout, outputColumnSet(column)))
                z.outputs[std::size_t(column)] = bitsOf(sets, outputColumnSet(column)) & bit;
        }
        z.detectorType = decodedItem(layout.typePrecedence, sets, bit, kDetectorOpen);
        z.mode = decodedItem(layout.modePrecedence, sets, bit, kModeNone);
    }
}
