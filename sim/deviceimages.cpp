#include "deviceimages.h"

#include "panelmodel.h"
#include "panelsections.h"
#include "simbytes.h"

namespace {

using Image = ImageSegment::Image;

QList<ImageSegment> panelSegments(PanelModel model)
{
    QList<ImageSegment> segments;
    for (const EepromBlock &b : panelModelInfo(model).deviceEepromBlocks)
        segments.append({Image::Eeprom, b.imageOffset, b.length, SimArea::Eeprom, b.deviceAddress});
    for (const MemoryBlock &b : memoryBlocks(model))
        segments.append({Image::Memory, b.imageOffset, b.length, SimArea::Memory, b.deviceAddress});
    return segments;
}

struct ModelSegments {
    Model model;
    QList<ImageSegment> (*segments)();
};

const ModelSegments kModelSegments[] = {
    {Model::Korvel4p, [] { return panelSegments(PanelModel::FourZone); }},
    {Model::Korvel8p, [] { return panelSegments(PanelModel::EightZone); }},
    {Model::Korvel16p, [] { return panelSegments(PanelModel::SixteenZone); }},
};

const QByteArray &imageIn(const settingsfile::Images &images, Image image)
{
    return image == Image::Eeprom ? images.eeprom : images.memory;
}

std::optional<PanelModel> panelOf(Model model)
{
    switch (model) {
    case Model::Korvel4p: return PanelModel::FourZone;
    case Model::Korvel8p: return PanelModel::EightZone;
    case Model::Korvel16p: return PanelModel::SixteenZone;
    default: return std::nullopt;
    }
}

} // namespace

void setModelBehaviour(SimDevice &device, Model model)
{
    const std::optional<PanelModel> panel = panelOf(model);
    if (!panel || panelModelInfo(*panel).shortReadVariant != device.variant())
        return;
    // That firmware reads the test report as five bytes.
    constexpr int kTestReportReadLength = 5;
    QMap<int, int> lengths;
    for (const MemoryBlock &b : memoryBlocks(*panel))
        lengths.insert(b.deviceAddress, b.k == kTestReportBlock ? kTestReportReadLength : b.length);
    device.setWholeBlockReads(lengths);
}

std::optional<QList<ImageSegment>> imageSegments(Model model)
{
    for (const ModelSegments &entry : kModelSegments) {
        if (entry.model == model)
            return entry.segments();
    }
    return std::nullopt;
}

settingsfile::Images imagesOf(const SimDevice &device, const QList<ImageSegment> &segments,
                              int eepromSize, int memorySize)
{
    settingsfile::Images images{QByteArray(eepromSize, '\0'), QByteArray(memorySize, '\0')};
    for (const ImageSegment &s : segments) {
        QByteArray &image = s.image == Image::Eeprom ? images.eeprom : images.memory;
        const std::optional<QByteArray> bytes = device.read(s.area, s.address, s.length);
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
            device.write(s.area, s.address, image.mid(s.imageOffset, s.length));
    }
}
