#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Settings files (.vau by the user, .vaf shipped as factory settings): the device type
// code, the firmware variant, then the EEPROM image and the memory image of the model.
// No checksum; the size is exactly 2 + E + M.
namespace settingsfile {

struct Header {
    quint8 typeCode;
    quint8 variant;
};

struct Images {
    QByteArray eeprom;
    QByteArray memory;
};

// The first two bytes; nothing when the file cannot be read or is shorter.
std::optional<Header> readHeader(const QString &path);

// Both images of sizes `eepromSize` and `memorySize`; nothing when the file cannot be
// read or is shorter than the model's size. Bytes past that size are ignored.
std::optional<Images> readImages(const QString &path, int eepromSize, int memorySize);

// Writes the file completely or not at all: an existing file is replaced only once the
// new content is safely written. Images are cut or zero-filled to their sizes.
bool write(const QString &path, Header header, const QByteArray &eeprom, int eepromSize,
           const QByteArray &memory, int memorySize);

} // namespace settingsfile
