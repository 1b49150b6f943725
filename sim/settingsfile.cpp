#include "settingsfile.h"

#include "modellayouts.h"
#include "simbytes.h"

namespace {

QByteArray imageOf(const SettingsFileLayout &layout, const QByteArray &file, FileSegment::Image image)
{
    const int eepromStart = SettingsFileLayout::kHeaderSize;
    return image == FileSegment::Image::Eeprom
               ? file.mid(eepromStart, layout.eepromSize)
               : file.mid(eepromStart + layout.eepromSize, layout.memorySize);
}

} // namespace

std::optional<SettingsFileLayout> settingsFileLayout(quint8 typeCode)
{
    for (const ModelLayoutEntry &entry : modelLayoutEntries()) {
        if (entry.typeCode == typeCode)
            return entry.build();
    }
    return std::nullopt;
}

std::optional<SettingsFileHeader> settingsFileHeader(const QByteArray &file)
{
    if (file.size() < SettingsFileLayout::kHeaderSize)
        return std::nullopt;
    return SettingsFileHeader{frame::byteAt(file, 0), frame::byteAt(file, 1)};
}

SettingsFileError loadSettingsFile(const SettingsFileLayout &layout, const QByteArray &file,
                                   SimDevice &device)
{
    if (file.size() != layout.fileSize())
        return SettingsFileError::WrongSize;
    if (frame::byteAt(file, 0) != layout.typeCode)
        return SettingsFileError::OtherModel;
    for (const FileSegment &s : layout.segments)
        device.write(s.area, s.address, imageOf(layout, file, s.image).mid(s.imageOffset, s.length));
    return SettingsFileError::None;
}

QByteArray saveSettingsFile(const SettingsFileLayout &layout, const SimDevice &device)
{
    QByteArray eeprom(layout.eepromSize, '\0');
    QByteArray memory(layout.memorySize, '\0');
    for (const FileSegment &s : layout.segments) {
        QByteArray &image = s.image == FileSegment::Image::Eeprom ? eeprom : memory;
        const std::optional<QByteArray> bytes = device.read(s.area, s.address, s.length);
        if (bytes && simbytes::inside(s.imageOffset, bytes->size(), int(image.size())))
            image.replace(s.imageOffset, bytes->size(), *bytes);
    }
    QByteArray file;
    file.append(char(device.typeCode()));
    file.append(char(device.variant()));
    return file + eeprom + memory;
}
