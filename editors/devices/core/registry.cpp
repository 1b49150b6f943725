#include "registry.h"

#include "paneldefinition.h"
#include "systempaneldefinition.h"

namespace {

// The models whose editors are still to come: what identification, the selection window,
// settings files and the slot survey need of them.
DeviceDefinition gsmModule()
{
    DeviceDefinition d{.model = Model::ZmuGsm, .typeCode = 26,
                       .editorClass = "TZMU_GSMForm", .component = "ZMU_GSMForm",
                       .eepromSize = 2, .memorySize = 132, .acceptedVariants = {1, 2, 4}};
    d.title = [](quint8) { return QStringLiteral("ЗМУ-GSM"); };
    d.factoryFile = [](const QString &) { return QStringLiteral("adjustments/zmugsm-1.vaf"); };
    d.slotDescription = [](quint8 v) {
        return v == 1 ? QStringLiteral("- ЗМУ-GSM (zmu_gsm-1)") : QStringLiteral("- ЗМУ-GSM");
    };
    d.links = {{11, "zmu-gsm ver. 3", "ЗМУ-GSM", Model::ZmuGsm, 1},
               {12, "zmu-gsm ver. 4", "ЗМУ-GSM", Model::ZmuGsm, 4}};
    return d;
}

DeviceDefinition gsm4Module()
{
    DeviceDefinition d{.model = Model::ZmuGsm4, .typeCode = 49,
                       .editorClass = "TZMU_GSM4Form", .component = "ZMU_GSM4Form",
                       .eepromSize = 54, .memorySize = 132, .acceptedVariants = {1, 2}};
    d.title = [](quint8 v) {
        return v == 1 ? QStringLiteral("ЗМУ-GSM.4") : v == 2 ? QStringLiteral("ЗМУ-С112.4") : QString();
    };
    d.factoryFile = [](const QString &) { return QStringLiteral("adjustments/zmugsm4-1.vaf"); };
    d.slotDescription = [](quint8 v) {
        if (v == 1 || v == 2)
            return QStringLiteral("- ЗМУ-GSM.4 (zmu_gsm.4-%1)").arg(v);
        return QStringLiteral("- ЗМУ-GSM.4");
    };
    d.links = {{10, "GSM.4-1(2)", "ЗМУ-GSM.4", Model::ZmuGsm4, 1},
               {13, "S112.4-1(2)", "ЗМУ-GSM.4", Model::ZmuGsm4, 2}};
    d.firmwareName = "ЗМУ-GSM.4 (ZMUGSM-";
    return d;
}

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
        panelDefinition(PanelModel::SixteenZone), systemPanelDefinition(), gsmModule(), gsm4Module(),
        controlAndStartDevice(),
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
