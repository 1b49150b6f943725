#include "registry.h"

#include "gsmdefinition.h"
#include "paneldefinition.h"
#include "systempaneldefinition.h"

namespace {

// The model whose editor is still to come: what identification, the selection window,
// settings files and the slot survey need of it.
DeviceDefinition controlAndStartDevice()
{
    DeviceDefinition d{.model = Model::PKorvel24, .typeCode = 55,
                       .editorClass = "TPKorvelForm24", .component = "PKorvelForm24",
                       .eepromSize = 0, .memorySize = 203, .acceptedVariants = {1}};
    d.title = [](quint8) { return QStringLiteral("ПУіЗ КОРВЕЛ - 2/4 (KVL24-1)"); };
    d.links = {{14, "kvl24-1", "ПУіЗ КОРВЕЛ-2/4", Model::PKorvel24, 1}};
    d.takesConfiguratorTransfers = false;
    d.hasReport = false;
    return d;
}

} // namespace

// In the order of the Model enumeration.
const QList<DeviceDefinition> &models()
{
    static const QList<DeviceDefinition> list = {
        panelDefinition(PanelModel::FourZone), panelDefinition(PanelModel::EightZone),
        panelDefinition(PanelModel::SixteenZone), systemPanelDefinition(), gsmModuleDefinition(),
        gsm4ModuleDefinition(), controlAndStartDevice(),
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
