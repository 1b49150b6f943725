#include "systempanelcodec.h"

#include "systempanelmap.h"

namespace {

// The zone grid, times, test report, numbers and sections lie as in the 16-zone panel.
constexpr PanelModel kLayoutOf = PanelModel::SixteenZone;

constexpr TimingLayout kTiming{.lineFault = kLineFaultOffset, .siren = kSirenOffset,
                               .coincidence = kCoincidenceOffset};

const PanelModelInfo &layoutInfo()
{
    return panelModelInfo(kLayoutOf);
}

} // namespace

QByteArray encodeSystemPanelEeprom(const SystemPanelSettings &settings)
{
    QByteArray image(kSystemPanelEepromSize, '\0');
    encodeZoneTable(layoutInfo().zoneTable, layoutInfo().zones(), settings.panel.zones, image);
    writeTiming(kTiming, settings.panel, image);
    writeAccessCode(image, kAccessCode2Offset, kSystemPanelAccessCode2, settings.panel.accessCode2);
    writeAccessCode(image, kAccessCode3Offset, kSystemPanelAccessCode3, settings.panel.accessCode3);
    return image;
}

void decodeSystemPanelEeprom(const QByteArray &image, SystemPanelSettings &settings)
{
    decodeZoneTable(layoutInfo().zoneTable, layoutInfo().zones(), image, settings.panel.zones);
    readTiming(kTiming, image, settings.panel);
    settings.panel.accessCode2 = readAccessCode(image, kAccessCode2Offset, kSystemPanelAccessCode2);
    settings.panel.accessCode3 = readAccessCode(image, kAccessCode3Offset, kSystemPanelAccessCode3);
}

QByteArray encodeSystemPanelMemory(const SystemPanelSettings &settings)
{
    QByteArray image(kSystemPanelMemorySize, '\0');
    writeMemory(kLayoutOf, settings.panel, image);
    settings.system.encode(image);
    return image;
}

MemoryDecodeReport decodeSystemPanelMemory(const QByteArray &image, SystemPanelSettings &settings)
{
    const MemoryDecodeReport report = decodeMemory(kLayoutOf, image, settings.panel);
    settings.system.decode(image);
    return report;
}

QByteArray defaultSystemPanelEeprom()
{
    QByteArray image(kSystemPanelEepromSize, '\0');
    encodeZoneTable(layoutInfo().zoneTable, layoutInfo().zones(), ZoneList{}, image); // zones default to closed
    return image;
}

QByteArray defaultSystemPanelMemory()
{
    return QByteArray(kSystemPanelMemorySize, '\0');
}
