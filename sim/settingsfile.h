#pragma once

#include "simdevice.h"

#include <QByteArray>
#include <QList>
#include <optional>

// A settings file: type code, firmware variant, then the model's EEPROM image and memory
// image, E + M bytes fixed per model. Each image byte has its place in the device.

// A run of image bytes kept at consecutive addresses of one device area.
struct FileSegment {
    enum class Image { Eeprom, Memory };
    Image image;
    int imageOffset;
    int length;
    SimArea area;
    int address;
};

struct SettingsFileLayout {
    quint8 typeCode;
    int eepromSize;
    int memorySize;
    QList<FileSegment> segments; // image bytes outside every segment are 0 in a saved file

    int fileSize() const { return kHeaderSize + eepromSize + memorySize; }
    static constexpr int kHeaderSize = 2; // type code, variant
};

// The layout of a model whose images are known, or nothing.
std::optional<SettingsFileLayout> settingsFileLayout(quint8 typeCode);

struct SettingsFileHeader {
    quint8 typeCode;
    quint8 variant;
};
std::optional<SettingsFileHeader> settingsFileHeader(const QByteArray &file);

enum class SettingsFileError {
    None,
    WrongSize,  // not exactly the model's file size
    OtherModel, // the header names another device type than the layout's
};

// Writes the file's images into `device` at the model's device addresses.
SettingsFileError loadSettingsFile(const SettingsFileLayout &layout, const QByteArray &file,
                                   SimDevice &device);
// The file of `device`'s type and variant holding what the device keeps.
QByteArray saveSettingsFile(const SettingsFileLayout &layout, const SimDevice &device);
