#include "deviceimages.h"

#include "simbytes.h"

namespace {

QByteArray &imageIn(settingsfile::Images &images, ImageArea image)
{
    return image == ImageArea::Eeprom ? images.eeprom : images.memory;
}

const QByteArray &imageIn(const settingsfile::Images &images, ImageArea image)
{
    return image == ImageArea::Eeprom ? images.eeprom : images.memory;
}

} // namespace

void setModelBehaviour(SimDevice &device, Model model)
{
    device.setWholeBlockReads(modelInfo(model).wholeBlockReads(device.variant()));
}

std::optional<QList<ImageSegment>> imageSegments(Model model, quint8 variant)
{
    const DeviceDefinition &definition = modelInfo(model);
    if (!definition.segments)
        return std::nullopt;
    return definition.segments(variant);
}

settingsfile::Images imagesOf(const SimDevice &device, const QList<ImageSegment> &segments,
                              int eepromSize, int memorySize)
{
    settingsfile::Images images{QByteArray(eepromSize, '\0'), QByteArray(memorySize, '\0')};
    for (const ImageSegment &s : segments) {
        QByteArray &image = imageIn(images, s.image);
        const std::optional<QByteArray> bytes = device.read(s.space, s.address, s.length);
        if (bytes && simbytes::inside(s.imageOffset, bytes->size(), int(image.size())))
            image.replace(s.imageOffset, bytes->size(), *bytes);
    }
    return images;
}

void putImages(const settingsfile::Images &images, const QList<ImageSegment> &segments,
               SimDevice &device)
{
    for (const ImageSegment &s : segments) {
        const QByteArray &image = imageIn(images, s.image);
        if (simbytes::inside(s.imageOffset, s.length, int(image.size())))
            device.write(s.space, s.address, image.mid(s.imageOffset, s.length));
    }
}
