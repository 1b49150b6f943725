#pragma once

#include "registry.h"
#include "settingsfile.h"
#include "simdevice.h"

#include <QList>
#include <optional>

// A simulated device loaded from a settings file and saved into one, through the segments
// of the model's definition (where the bytes of its two settings images live).

// The segments of a model whose images are mapped, for a firmware variant, or nothing.
std::optional<QList<ImageSegment>> imageSegments(Model model, quint8 variant);

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
