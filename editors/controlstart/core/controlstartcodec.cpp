#include "controlstartcodec.h"

#include "timingbytes.h"

namespace controlstart {

namespace {

int zoneSetOffset(ZoneSetByte set)
{
    return offsetOf(Block::ZoneTable) + set;
}

// The zone grid's columns C, D and E are the outputs "ОПОВ", "РЕЛ 1" and "РЕЛ 2". A zone in
// several mode sets reads as the last of them in the order of the mode bytes' meaning:
// "по одному СП", then "по двох СП", then "по двох зонах".
ZoneTableLayout zoneLayout()
{
    std::array<int, kZoneSetCount> offsets;
    offsets.fill(kNoZoneSet);
    const auto place = [&offsets](ZoneSet set, ZoneSetByte byte) { offsets[std::size_t(set)] = zoneSetOffset(byte); };
    place(ZoneSet::ColumnC, kSounderSet);
    place(ZoneSet::ColumnD, kRelay1Set);
    place(ZoneSet::ColumnE, kRelay2Set);
    place(ZoneSet::Closed, kClosedSet);
    place(ZoneSet::TwoDetectors, kTwoDetectorsSet);
    place(ZoneSet::OneDetector, kOneDetectorSet);
    place(ZoneSet::Combined, kCombinedSet);
    place(ZoneSet::TwoZones, kTwoZonesSet);
    return {.setWidth = 1,
            .setOffsets = offsets,
            .typePrecedence = {ZoneSet::Closed, ZoneSet::Combined},
            .modePrecedence = {ZoneSet::OneDetector, ZoneSet::TwoDetectors, ZoneSet::TwoZones}};
}

constexpr ZoneRange kZones{kFirstZone, kLastZone};

TimingOffsets timingOffsets()
{
    const int offset = offsetOf(Block::Times);
    return {offset + kCoincidenceTime, offset + kSounderTime, offset + kLineFaultTime};
}

const std::array<int, 2> kObjectNumberOffsets{offsetOf(Block::ObjectNumber1), offsetOf(Block::ObjectNumber2)};
const std::array<int, 2> kTelephoneOffsets{offsetOf(Block::Telephone1), offsetOf(Block::Telephone2)};

int directionTimeOffset(int direction, DirectionTime time)
{
    return offsetOf(Block::DirectionTimes) + kDirectionTimeBytes * direction + time;
}

quint8 directionFlags(const std::array<Direction, kDirectionCount> &directions)
{
    quint8 flags = 0;
    for (int d = 0; d < kDirectionCount; ++d) {
        const Direction &direction = directions[std::size_t(d)];
        const int shift = kDirectionFlagBits * d;
        if (direction.supply == kSupply12)
            flags |= quint8(kSupply12V << shift);
        if (direction.releaseControl)
            flags |= quint8(kReleaseControl << shift);
    }
    return flags;
}

void writeDirections(const std::array<Direction, kDirectionCount> &directions, QByteArray &image)
{
    putByte(image, offsetOf(Block::DirectionFlags), directionFlags(directions));
    for (int d = 0; d < kDirectionCount; ++d) {
        const Direction &direction = directions[std::size_t(d)];
        putByte(image, directionTimeOffset(d, kEvacuationTime), quint8(kEvacuationRange.clamp(direction.evacuationDelay)));
        putByte(image, directionTimeOffset(d, kReleaseTime), quint8(kReleaseRange.clamp(direction.releaseTime)));
    }
}

void readDirections(const QByteArray &image, std::array<Direction, kDirectionCount> &directions)
{
    const quint8 flags = byteAt(image, offsetOf(Block::DirectionFlags));
    for (int d = 0; d < kDirectionCount; ++d) {
        Direction &direction = directions[std::size_t(d)];
        const int shift = kDirectionFlagBits * d;
        direction.supply = flags & (kSupply12V << shift) ? kSupply12 : kSupply24;
        direction.releaseControl = flags & (kReleaseControl << shift);
        direction.evacuationDelay = kEvacuationRange.clamp(byteAt(image, directionTimeOffset(d, kEvacuationTime)));
        direction.releaseTime = kReleaseRange.clamp(byteAt(image, directionTimeOffset(d, kReleaseTime)));
    }
}

} // namespace

QByteArray encodeMemory(const Settings &settings, const QDateTime &now)
{
    QByteArray image(kMemorySize, '\0');
    writeObjectNumbers(image, kObjectNumberOffsets, settings.objectNumbers);
    for (std::size_t n = 0; n < kTelephoneOffsets.size(); ++n)
        writeTelephone(image, kTelephoneOffsets[n], settings.telephones[n]);
    writeTestReport(image, offsetOf(Block::TestReport), settings.testReport);
    writeSections(image, kSectionsImageOffset, sectionTable(), settings.sectionFields, settings.lists);
    encodeZoneTable(zoneLayout(), kZones, settings.zones, image);
    writeTimingValues(image, timingOffsets(), settings.times);
    writeDirections(settings.directions, image);
    const int codes = offsetOf(Block::CodeBlock);
    writeAccessCode(image, codes + kLevel2Code, kAccessCode2, settings.accessCode2);
    writeAccessCode(image, codes + kLevel3Code, kAccessCode3, settings.accessCode3);
    putBytes(image, offsetOf(Block::Clock), clockBytes(settings.clock, now));
    return image;
}

TestReportAdjusted decodeMemory(const QByteArray &image, const QDateTime &now, Settings &settings)
{
    settings.objectNumbers = readObjectNumbers(image, kObjectNumberOffsets);
    for (std::size_t n = 0; n < kTelephoneOffsets.size(); ++n)
        settings.telephones[n] = readTelephone(image, kTelephoneOffsets[n]);
    const TestReportAdjusted adjusted = readTestReport(image, offsetOf(Block::TestReport), settings.testReport);
    readSections(image, kSectionsImageOffset, sectionTable(), settings.sectionFields, settings.lists);
    decodeZoneTable(zoneLayout(), kZones, image, settings.zones);
    readTimingValues(image, timingOffsets(), settings.times);
    readDirections(image, settings.directions);
    const int codes = offsetOf(Block::CodeBlock);
    settings.accessCode2 = readAccessCode(image, codes + kLevel2Code, kAccessCode2);
    settings.accessCode3 = readAccessCode(image, codes + kLevel3Code, kAccessCode3);
    showDeviceClock(image.mid(offsetOf(Block::Clock), kClockSize), now, settings.clock);
    return adjusted;
}

} // namespace controlstart
