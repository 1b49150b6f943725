#include "settingsfile.h"

#include "safefile.h"

#include <QFile>

namespace settingsfile {

namespace {

QByteArray fitted(const QByteArray &image, int size)
{
    QByteArray bytes = image.left(size);
    bytes.append(QByteArray(size - bytes.size(), '\0'));
    return bytes;
}

std::optional<QByteArray> readPrefix(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(size);
    if (bytes.size() != size)
        return std::nullopt;
    return bytes;
}

} // namespace

std::optional<Header> readHeader(const QString &path)
{
    const std::optional<QByteArray> bytes = readPrefix(path, 2);
    if (!bytes)
        return std::nullopt;
    return Header{quint8(bytes->at(0)), quint8(bytes->at(1))};
}

std::optional<Images> readImages(const QString &path, int eepromSize, int memorySize)
{
    const std::optional<QByteArray> bytes = readPrefix(path, 2 + eepromSize + memorySize);
    if (!bytes)
        return std::nullopt;
    return Images{bytes->mid(2, eepromSize), bytes->mid(2 + eepromSize, memorySize)};
}

bool write(const QString &path, Header header, const QByteArray &eeprom, int eepromSize,
           const QByteArray &memory, int memorySize)
{
    QByteArray bytes;
    bytes.append(char(header.typeCode));
    bytes.append(char(header.variant));
    bytes.append(fitted(eeprom, eepromSize));
    bytes.append(fitted(memory, memorySize));
    return saveFileAtomically(path, bytes);
}

} // namespace settingsfile
