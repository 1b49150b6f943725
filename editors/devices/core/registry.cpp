#include "registry.h"

namespace {

const QList<ModelInfo> kModels = {
    {Model::Korvel4p, 23, "TKorvelForm4p", "KorvelForm4p", 19, 210, {0, 2, 3, 4, 5, 6}},
    {Model::Korvel8p, 22, "TKorvelForm8p", "KorvelForm8p", 20, 274, {2, 3, 4, 5, 6}},
    {Model::Korvel16p, 30, "TKorvelForm16p", "KorvelForm16p", 28, 512, {2, 3, 4}},
    {Model::Korvel16_64p, 31, "TKorvelForm16_64p", "KorvelForm16_64p", 29, 664, {2}},
    {Model::ZmuGsm, 26, "TZMU_GSMForm", "ZMU_GSMForm", 2, 132, {1, 2, 4}},
    {Model::ZmuGsm4, 49, "TZMU_GSM4Form", "ZMU_GSM4Form", 54, 132, {1, 2}},
    {Model::PKorvel24, 55, "TPKorvelForm24", "PKorvelForm24", 0, 203, {1}},
};

const QList<SelectionLink> kLinks = {
    {0, "KVL4P-2", "КОРВЕЛ - 4П", Model::Korvel4p, 2},
    {6, "KVL4P-3", "КОРВЕЛ - 4П", Model::Korvel4p, 4},
    {7, "KVL4P-4", "КОРВЕЛ - 4П", Model::Korvel4p, 5},
    {1, "KVL8P-2", "КОРВЕЛ - 8П", Model::Korvel8p, 2},
    {4, "KVL8P-3", "КОРВЕЛ - 8П", Model::Korvel8p, 3},
    {5, "KVL8P-4", "КОРВЕЛ - 8П", Model::Korvel8p, 4},
    {8, "KVL8P-5", "КОРВЕЛ - 8П", Model::Korvel8p, 5},
    {15, "KVL8P-5.01", "КОРВЕЛ - 8П", Model::Korvel8p, 6},
    {2, "KVL16P-2", "КОРВЕЛ - 16П", Model::Korvel16p, 2},
    {9, "KVL16P-3", "КОРВЕЛ - 16П", Model::Korvel16p, 3},
    {16, "KVL16P-4", "КОРВЕЛ - 16П", Model::Korvel16p, 4},
    {3, "KVL64P-2", "КОРВЕЛ - 16.64П", Model::Korvel16_64p, 2},
    {11, "zmu-gsm ver. 3", "ЗМУ-GSM", Model::ZmuGsm, 1},
    {12, "zmu-gsm ver. 4", "ЗМУ-GSM", Model::ZmuGsm, 4},
    {10, "GSM.4-1(2)", "ЗМУ-GSM.4", Model::ZmuGsm4, 1},
    {13, "S112.4-1(2)", "ЗМУ-GSM.4", Model::ZmuGsm4, 2},
    {14, "kvl24-1", "ПУіЗ КОРВЕЛ-2/4", Model::PKorvel24, 1},
};

QString panelTitle(const char *zones, const QString &version)
{
    return QStringLiteral("КОРВЕЛ-%1П (%2)").arg(QLatin1String(zones), version);
}

} // namespace

const QList<ModelInfo> &models()
{
    return kModels;
}

const ModelInfo &modelInfo(Model model)
{
    return kModels.at(int(model));
}

std::optional<Model> modelByTypeCode(quint8 typeCode)
{
    for (const ModelInfo &info : kModels) {
        if (info.typeCode == typeCode)
            return info.model;
    }
    return std::nullopt;
}

int settingsFileSize(Model model)
{
    const ModelInfo &info = modelInfo(model);
    return 2 + info.eepromSize + info.memorySize;
}

std::optional<Identified> identify(quint8 typeCode, quint8 variant)
{
    const std::optional<Model> model = modelByTypeCode(typeCode);
    if (!model || !modelInfo(*model).acceptedVariants.contains(variant))
        return std::nullopt;
    if (*model == Model::Korvel4p && variant == 0)
        variant = 3;
    return Identified{*model, variant};
}

QString editorTitle(Model model, quint8 variant)
{
    switch (model) {
    case Model::Korvel4p:
        if (variant == 2)
            return panelTitle("4", QStringLiteral("KVL4P-2"));
        if (variant == 3 || variant == 4)
            return panelTitle("4", QStringLiteral("KVL4P-3"));
        if (variant == 5 || variant == 6)
            return panelTitle("4", QStringLiteral("KVL4P-4"));
        return {};
    case Model::Korvel8p:
        if (variant >= 2 && variant <= 4)
            return panelTitle("8", QStringLiteral("KVL8P-%1").arg(variant));
        if (variant == 5 || variant == 6)
            return panelTitle("8", QStringLiteral("KVL8P-5"));
        return {};
    case Model::Korvel16p:
        return panelTitle("16", QStringLiteral("KVL16P-%1").arg(variant));
    case Model::Korvel16_64p:
        return QStringLiteral("КОРВЕЛ-16.64П (KVL64P-2)");
    case Model::ZmuGsm:
        return QStringLiteral("ЗМУ-GSM");
    case Model::ZmuGsm4:
        if (variant == 1)
            return QStringLiteral("ЗМУ-GSM.4");
        if (variant == 2)
            return QStringLiteral("ЗМУ-С112.4");
        return {};
    case Model::PKorvel24:
        return QStringLiteral("ПУіЗ КОРВЕЛ - 2/4 (KVL24-1)");
    }
    return {};
}

QString factoryFile(Model model, const QString &title)
{
    const auto byTitle = [&title](const char *prefix, int first, int last) -> QString {
        for (int v = first; v <= last; ++v) {
            const QString version = QStringLiteral("%1-%2").arg(QLatin1String(prefix)).arg(v);
            if (title.endsWith(QStringLiteral("(") + version.toUpper() + u')'))
                return QStringLiteral("adjustments/") + version + QStringLiteral(".vaf");
        }
        return {};
    };
    switch (model) {
    case Model::Korvel4p: return byTitle("kvl4p", 2, 4);
    case Model::Korvel8p: return byTitle("kvl8p", 2, 5);
    case Model::Korvel16p: return QStringLiteral("adjustments/kvl16p-2.vaf");
    case Model::Korvel16_64p: return QStringLiteral("adjustments/kvl64p-1.vaf");
    case Model::ZmuGsm: return QStringLiteral("adjustments/zmugsm-1.vaf");
    case Model::ZmuGsm4: return QStringLiteral("adjustments/zmugsm4-1.vaf");
    case Model::PKorvel24: return {};
    }
    return {};
}

QString slotDescription(quint8 typeCode, quint8 variant)
{
    switch (typeCode) {
    case 23:
        if (variant == 0)
            return QStringLiteral("- Корвел-4П (kvl4p-3)");
        return variant == 2 ? QStringLiteral("- Корвел-4П (kvl4p-2)") : QStringLiteral("- Корвел-4П");
    case 22:
        if (variant >= 2 && variant <= 4)
            return QStringLiteral("- Корвел-8П (kvl8p-%1)").arg(variant);
        return QStringLiteral("- Корвел-8П");
    case 30:
        if (variant >= 2 && variant <= 4)
            return QStringLiteral("- Корвел-16П (kvl16p-%1)").arg(variant);
        return QStringLiteral("- Корвел-16П");
    case 31:
        return variant == 2 ? QStringLiteral("- Корвел-16.64П (kvl64p-2)") : QStringLiteral("- Корвел-16.64П");
    case 49:
        if (variant == 1 || variant == 2)
            return QStringLiteral("- ЗМУ-GSM.4 (zmu_gsm.4-%1)").arg(variant);
        return QStringLiteral("- ЗМУ-GSM.4");
    case 26:
        return variant == 1 ? QStringLiteral("- ЗМУ-GSM (zmu_gsm-1)") : QStringLiteral("- ЗМУ-GSM");
    default:
        return QStringLiteral(" (не визначено)");
    }
}

const QList<SelectionLink> &selectionLinks()
{
    return kLinks;
}
