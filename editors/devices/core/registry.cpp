#include "registry.h"

// Each model's folder gives its definition.
#define VEX_MODEL(name, definition, editor) DeviceDefinition definition();
#include "modellist.def"
#undef VEX_MODEL

// In the order of the Model enumeration, which the same list makes.
const QList<DeviceDefinition> &models()
{
    static const QList<DeviceDefinition> list = {
#define VEX_MODEL(name, definition, editor) definition(),
#include "modellist.def"
#undef VEX_MODEL
    };
    return list;
}

const DeviceDefinition &modelInfo(Model model)
{
    return models().at(int(model));
}

std::optional<Model> modelByTypeCode(quint8 typeCode)
{
    for (const DeviceDefinition &d : models()) {
        if (d.typeCode == typeCode)
            return d.model;
    }
    return std::nullopt;
}

int settingsFileSize(Model model)
{
    const DeviceDefinition &d = modelInfo(model);
    return 2 + d.eepromSize + d.memorySize;
}

std::optional<Identified> identify(quint8 typeCode, quint8 variant)
{
    const std::optional<Model> model = modelByTypeCode(typeCode);
    if (!model || !modelInfo(*model).acceptedVariants.contains(variant))
        return std::nullopt;
    return Identified{*model, modelInfo(*model).editorVariant(variant)};
}

QString editorTitle(Model model, quint8 variant)
{
    return modelInfo(model).title(variant);
}

QString factoryFile(Model model, const QString &title)
{
    return modelInfo(model).factoryFile(title);
}

QString slotDescription(quint8 typeCode, quint8 variant)
{
    const std::optional<Model> model = modelByTypeCode(typeCode);
    return model ? modelInfo(*model).slotDescription(variant) : QStringLiteral(" (не визначено)");
}

QList<SelectionLink> selectionLinks()
{
    QList<SelectionLink> links;
    for (const DeviceDefinition &d : models())
        links += d.links;
    return links;
}
