#pragma once

#include "registry.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

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

// A file that has passed every check: known type, a variant its model accepts, and at
// least the model's size.
struct Contents {
    Header header;
    Model model;
    Images images;
    qsizetype ignoredBytes; // past the model's size, not read into the images
};

enum class Fault { Missing, NotReadable, Empty, UnknownType, OtherModel, TooShort, UnsupportedVariant };

struct Failure {
    Fault fault;
    quint8 typeCode = 0;
    quint8 variant = 0;
    qsizetype size = 0;         // bytes in the file
    qsizetype expectedSize = 0; // bytes a file of its model holds
    QString systemReason{};     // why the system could not read it
};

using ReadResult = std::variant<Contents, Failure>;

// Checks a whole file's bytes. With `expected`, a file of another model fails too.
ReadResult parse(const QByteArray &bytes, std::optional<Model> expected = std::nullopt);
// Reads the file at `path` whole and checks it as `parse` does.
ReadResult readFile(const QString &path, std::optional<Model> expected = std::nullopt);

// "<path>: <what is wrong>", for the line below the numbered message.
QString describe(const QString &path, const Failure &failure);
// Status-bar note that bytes past the model's size were left out.
QString ignoredBytesNote(const QString &path, const Contents &contents);

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
