#pragma once

#include "registry.h"
#include "settingsfile.h"
#include "simdevice.h"

#include <QList>
#include <optional>

// Where the bytes of a model's two settings images (those of settings files) live in a
// device, so that a simulated device can be loaded from a file and saved into one.

// A run of image bytes kept at consecutive addresses of one device area.
struct ImageSegment {
    enum class Image { Eeprom, Memory };
    Image image;
    int imageOffset;
    int length;
    SimArea area;
    int address;
};

// The segments of a model whose images are mapped, or nothing. Adding a model is adding
// its entry to the table in deviceimages.cpp.
std::optional<QList<ImageSegment>> imageSegments(Model model);

// The images as the device holds them, of the given sizes; image bytes outside every
// segment are 0.
settingsfile::Images imagesOf(const SimDevice &device, const QList<ImageSegment> &segments,
                              int eepromSize, int memorySize);
// Gives the device the read behaviour of the model's firmware variant (the variant of the
// 4- and 8-zone panels that answers short reads with whole blocks).
void setModelBehaviour(SimDevice &device, Model model);

// Puts every mapped image byte in its place in the device.
void putImages(const settingsfile::Images &images, const QList<ImageSegment> &segments,
               SimDevice &device);
