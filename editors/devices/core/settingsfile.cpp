#include "settingsfile.h"

#include "safefile.h"

#include <QDir>
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

Images imagesIn(const QByteArray &bytes, int eepromSize, int memorySize)
{
    return Images{bytes.mid(2, eepromSize), bytes.mid(2 + eepromSize, memorySize)};
}

Failure notReadable(const QFile &file)
{
    return Failure{.fault = Fault::NotReadable, .systemReason = file.errorString()};
}

QString reason(const Failure &failure)
{
    switch (failure.fault) {
    case Fault::Missing: return QStringLiteral("файл не знайдено");
    case Fault::NotReadable: return QStringLiteral("файл недоступний (%1)").arg(failure.systemReason);
    case Fault::Empty: return QStringLiteral("файл порожній");
    case Fault::UnknownType: return QStringLiteral("невідомий код типу приладу %1").arg(failure.typeCode);
    case Fault::OtherModel:
        return QStringLiteral("файл налаштувань іншого приладу (код типу %1)").arg(failure.typeCode);
    case Fault::TooShort:
        return QStringLiteral("файл неповний: %1 байт із %2").arg(failure.size).arg(failure.expectedSize);
    case Fault::UnsupportedVariant:
        return QStringLiteral("версія прошивки %1 цього приладу не підтримується").arg(failure.variant);
    }
    return {};
}

} // namespace

ReadResult parse(const QByteArray &bytes, std::optional<Model> expected)
{
    if (bytes.isEmpty())
        return Failure{.fault = Fault::Empty};
    const quint8 typeCode = quint8(bytes.at(0));
    const std::optional<Model> model = modelByTypeCode(typeCode);
    if (!model)
        return Failure{.fault = Fault::UnknownType, .typeCode = typeCode};
    if (expected && *model != *expected)
        return Failure{.fault = Fault::OtherModel, .typeCode = typeCode};
    const int fileSize = settingsFileSize(*model);
    if (bytes.size() < fileSize)
        return Failure{.fault = Fault::TooShort, .typeCode = typeCode, .size = bytes.size(),
                       .expectedSize = fileSize};
    const quint8 variant = quint8(bytes.at(1));
    const ModelInfo &info = modelInfo(*model);
    if (!info.acceptedVariants.contains(variant))
        return Failure{.fault = Fault::UnsupportedVariant, .typeCode = typeCode, .variant = variant};
    return Contents{Header{typeCode, variant}, *model, imagesIn(bytes, info.eepromSize, info.memorySize),
                    bytes.size() - fileSize};
}

ReadResult readFile(const QString &path, std::optional<Model> expected)
{
    QFile file(path);
    if (!file.exists())
        return Failure{.fault = Fault::Missing};
    if (!file.open(QIODevice::ReadOnly))
        return notReadable(file);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return notReadable(file);
    return parse(bytes, expected);
}

QString describe(const QString &path, const Failure &failure)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason(failure);
}

QString ignoredBytesNote(const QString &path, const Contents &contents)
{
    return QStringLiteral("%1: файл довший за %2 байт, решту (%3 байт) пропущено")
        .arg(QDir::toNativeSeparators(path))
        .arg(settingsFileSize(contents.model))
        .arg(contents.ignoredBytes);
}

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
    return imagesIn(*bytes, eepromSize, memorySize);
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
