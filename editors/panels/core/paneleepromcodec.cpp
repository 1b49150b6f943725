#include "panelcodec.h"
#include "panelencoding.h"
#include "timingbytes.h"

namespace {

TimingOffsets timingOffsets(const TimingLayout &layout)
{
    return {layout.coincidence, layout.siren, layout.lineFault};
}

} // namespace

void writeTiming(const TimingLayout &layout, const PanelSettings &settings, QByteArray &image)
{
    writeTimingValues(image, timingOffsets(layout), settings.timing());
    if (layout.address >= 0)
        putByte(image, layout.address, hexPairValue(settings.address));
}

void readTiming(const TimingLayout &layout, const QByteArray &image, PanelSettings &settings)
{
    readTimingValues(image, timingOffsets(layout), settings.timing());
    if (layout.address >= 0)
        settings.address = addressText(byteAt(image, layout.address));
}

QByteArray encodeEeprom(PanelModel model, int variant, const PanelSettings &settings)
{
    const PanelModelInfo &info = panelModelInfo(model);
    QByteArray image(info.eepromSize, '\0');
    encodeZoneTable(info.zoneTable, info.zones(), settings.zones, image);
    if (const auto layout = timingLayout(model, variant))
        writeTiming(*layout, settings, image);
    writeAccessCode(image, info.accessCode2Offset, kPanelAccessCode2, settings.accessCode2);
    writeAccessCode(image, info.accessCode3Offset, kPanelAccessCode3, settings.accessCode3);
    return image;
}

void decodeEeprom(PanelModel model, int variant, const QByteArray &image, PanelSettings &settings)
{
    const PanelModelInfo &info = panelModelInfo(model);
    decodeZoneTable(info.zoneTable, info.zones(), image, settings.zones);
    if (const auto layout = timingLayout(model, variant))
        readTiming(*layout, image, settings);
    settings.accessCode2 = readAccessCode(image, info.accessCode2Offset, kPanelAccessCode2);
    settings.accessCode3 = readAccessCode(image, info.accessCode3Offset, kPanelAccessCode3);
}

QByteArray defaultEepromImage(PanelModel model)
{
    const PanelModelInfo &info = panelModelInfo(model);
    QByteArray image(info.eepromSize, '\0');
    encodeZoneTable(info.zoneTable, info.zones(), ZoneList{}, image); // zones default to closed
    return image;
}
