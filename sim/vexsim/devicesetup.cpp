#include "devicesetup.h"

#include "deviceimages.h"

namespace {

constexpr Model kDefaultModel = Model::Korvel16p;

struct MappedModel {
    const ModelInfo &info;
    QList<ImageSegment> segments;
};

std::optional<MappedModel> mappedModel(quint8 typeCode, quint8 variant)
{
    const std::optional<Model> model = modelByTypeCode(typeCode);
    if (!model)
        return std::nullopt;
    std::optional<QList<ImageSegment>> segments = imageSegments(*model, variant);
    if (!segments)
        return std::nullopt;
    return MappedModel{modelInfo(*model), *segments};
}

QString notMapped(quint8 typeCode)
{
    return QStringLiteral("settings files of device type %1 are not supported yet").arg(typeCode);
}

quint8 defaultVariant(quint8 typeCode)
{
    const std::optional<Model> model = modelByTypeCode(typeCode);
    return model ? modelInfo(*model).acceptedVariants.first() : 0;
}

bool loadInto(SimDevice &device, const QString &path, QString &error)
{
    const std::optional<MappedModel> mapped = mappedModel(device.typeCode(), device.variant());
    if (!mapped) {
        error = notMapped(device.typeCode());
        return false;
    }
    const std::optional<settingsfile::Images> images =
        settingsfile::readImages(path, mapped->info.eepromSize, mapped->info.memorySize);
    if (!images) {
        error = QStringLiteral("%1 is shorter than a settings file of device type %2 (%3 bytes)")
                    .arg(path).arg(device.typeCode()).arg(settingsFileSize(mapped->info.model));
        return false;
    }
    putImages(*images, mapped->segments, device);
    return true;
}

} // namespace

std::unique_ptr<SimDevice> makeDevice(const VexsimOptions &options, QString &error)
{
    std::optional<settingsfile::Header> header;
    if (!options.loadFile.isEmpty()) {
        header = settingsfile::readHeader(options.loadFile);
        if (!header) {
            error = QStringLiteral("cannot read a settings file from %1").arg(options.loadFile);
            return nullptr;
        }
        if (options.typeCode && *options.typeCode != header->typeCode) {
            error = QStringLiteral("%1 holds device type %2, not the one --model asks for")
                        .arg(options.loadFile).arg(header->typeCode);
            return nullptr;
        }
    }
    const quint8 fallbackType = header ? header->typeCode : modelInfo(kDefaultModel).typeCode;
    const quint8 type = options.typeCode.value_or(fallbackType);
    const quint8 variant = options.variant.value_or(header ? header->variant : defaultVariant(type));
    auto device = std::make_unique<SimDevice>(type, variant);
    if (const std::optional<Model> model = modelByTypeCode(type))
        setModelBehaviour(*device, *model);
    if (header && !loadInto(*device, options.loadFile, error))
        return nullptr;
    if (!options.saveFile.isEmpty() && !mappedModel(type, variant)) {
        error = notMapped(type);
        return nullptr;
    }
    return device;
}

bool saveDevice(const SimDevice &device, const QString &path, QString &error)
{
    const std::optional<MappedModel> mapped = mappedModel(device.typeCode(), device.variant());
    if (!mapped) {
        error = notMapped(device.typeCode());
        return false;
    }
    const int eepromSize = mapped->info.eepromSize;
    const int memorySize = mapped->info.memorySize;
    const settingsfile::Images images = imagesOf(device, mapped->segments, eepromSize, memorySize);
    if (settingsfile::write(path, {device.typeCode(), device.variant()}, images.eeprom, eepromSize,
                            images.memory, memorySize))
        return true;
    error = QStringLiteral("cannot save %1").arg(path);
    return false;
}
