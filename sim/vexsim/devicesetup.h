#pragma once

#include "options.h"
#include "simdevice.h"

#include <QString>
#include <memory>

// The device the options ask for (a 16-zone panel unless they or the loaded file say
// otherwise), with the settings file to load in place. Null with the reason in `error`
// when the file cannot serve, or when --save names a file for a model that has no
// settings-file mapping (refused before serving, not at exit).
std::unique_ptr<SimDevice> makeDevice(const VexsimOptions &options, QString &error);

// Writes the device into a settings file of its model; false with the reason in `error`.
bool saveDevice(const SimDevice &device, const QString &path, QString &error);
