#include "gsmdefinition.h"

#include "gsmcodec.h"
#include "panelencoding.h"
#include "gsmplans.h"
#include "gsmreport.h"
#include "gsmsettingfields.h"

namespace {

const QString kGsmTitle = QStringLiteral("ЗМУ-GSM");
const QString kGsm4Title = QStringLiteral("ЗМУ-GSM.4");
const QString kS112Title = QStringLiteral("ЗМУ-С112.4");

QString gsm4Title(quint8 variant)
{
    if (variant == quint8(Gsm4Variant::Gsm4))
        return kGsm4Title;
    return variant == quint8(Gsm4Variant::S112) ? kS112Title : QString();
}

// Both modules: settings held for version 1 go to a module of version 1 or 2 (one map) and
// take its version.
std::optional<quint8> writeVersion(quint8 held, quint8 reported)
{
    const quint8 version = adoptedVersion(held, reported);
    return version == reported ? std::optional<quint8>(version) : std::nullopt;
}

GsmSettings decodedGsm(const SettingsImages &images)
{
    GsmSettings s = gsmDefaults();
    decodeGsmEeprom(images.eeprom, s);
    decodeGprsMemory(images.memory, IdentifierForm::Gsm, s.gprs);
    return s;
}

// The images tell their variant by byte 53, whatever the version they are listed for.
Gsm4Variant gsm4VariantOf(const SettingsImages &images)
{
    return gsm4VariantOfMarker(byteAt(images.eeprom, gsm4::kMarker));
}

Gsm4Settings decodedGsm4(const SettingsImages &images)
{
    const Gsm4Variant variant = gsm4VariantOf(images);
    Gsm4Settings s = gsm4Defaults(variant);
    decodeGsm4Eeprom(images.eeprom, s);
    decodeGsm4Memory(images.memory, variant, s);
    return s;
}

SettingsImages gsmFactoryImages()
{
    const GsmSettings defaults = gsmDefaults();
    return {encodeGsmEeprom(defaults), encodeGprsMemory(defaults.gprs, IdentifierForm::Gsm)};
}

SettingsImages gsm4FactoryImages(quint8 editorVariant)
{
    const Gsm4Variant variant = gsm4Variant(editorVariant);
    const Gsm4Settings defaults = gsm4Defaults(variant);
    return {encodeGsm4Eeprom(defaults, variant), encodeGsm4Memory(defaults, variant)};
}

} // namespace

DeviceDefinition gsmModuleDefinition()
{
    DeviceDefinition d{.model = Model::ZmuGsm, .typeCode = gsm::kTypeCode,
                       .editorClass = "TZMU_GSMForm", .component = "ZMU_GSMForm",
                       .eepromSize = gsm::kEepromSize, .memorySize = gsmimage::kMemorySize,
                       .acceptedVariants = {1, 2, 4}, .readMemorySize = gsmimage::kReadMemorySize};
    d.title = [](quint8) { return kGsmTitle; };
    d.factoryFile = [](const QString &) { return QStringLiteral("adjustments/zmugsm-1.vaf"); };
    d.slotDescription = [](quint8 v) {
        return v == 1 ? QStringLiteral("- ЗМУ-GSM (zmu_gsm-1)") : QStringLiteral("- ЗМУ-GSM");
    };
    d.simulatorNames = {QStringLiteral("gsm")};
    d.links = {{11, "zmu-gsm ver. 3", "ЗМУ-GSM", Model::ZmuGsm, 1},
               {12, "zmu-gsm ver. 4", "ЗМУ-GSM", Model::ZmuGsm, 4}};
    d.segments = gsmSegments;
    d.deviceWrite = gsmDeviceWrite;
    d.deviceRead = [](quint8 version, qint32) { return gsmDeviceRead(version); };
    d.slotWrite = gsmSlotWrite;
    d.slotRead = [](quint8, int slot) { return gsmSlotRead(slot); };
    d.factoryImages = [](quint8) { return gsmFactoryImages(); };
    d.writeVariant = writeVersion;
    d.settingFields = [](const SettingsImages &images, quint8) { return gsmSettingFields(decodedGsm(images)); };
    d.report = [](const SettingsImages &images, quint8) { return gsmReport(decodedGsm(images)); };
    // The module has no object number field: the station knows it by its identifier.
    d.objectNumber = [](const SettingsImages &images, quint8) { return decodedGsm(images).text(GprsField::Identifier); };
    return d;
}

DeviceDefinition gsm4ModuleDefinition()
{
    DeviceDefinition d{.model = Model::ZmuGsm4, .typeCode = gsm4::kTypeCode,
                       .editorClass = "TZMU_GSM4Form", .component = "ZMU_GSM4Form",
                       .eepromSize = gsm4::kEepromSize, .memorySize = gsmimage::kMemorySize,
                       .acceptedVariants = {1, 2}, .readMemorySize = gsmimage::kReadMemorySize};
    d.title = gsm4Title;
    d.factoryFile = [](const QString &) { return QStringLiteral("adjustments/zmugsm4-1.vaf"); };
    d.slotDescription = [](quint8 v) {
        if (v == 1 || v == 2)
            return QStringLiteral("- ЗМУ-GSM.4 (zmu_gsm.4-%1)").arg(v);
        return QStringLiteral("- ЗМУ-GSM.4");
    };
    d.links = {{10, "GSM.4-1(2)", "ЗМУ-GSM.4", Model::ZmuGsm4, 1},
               {13, "S112.4-1(2)", "ЗМУ-GSM.4", Model::ZmuGsm4, 2}};
    d.firmwareName = "ЗМУ-GSM.4 (ZMUGSM-";
    d.simulatorNames = {QStringLiteral("gsm4")};
    d.segments = [](quint8) { return gsm4Segments(); };
    d.deviceWrite = [](quint8 variant) { return gsm4DeviceWrite(gsm4Variant(variant)); };
    d.deviceRead = [](quint8, qint32) { return gsm4DeviceRead(); };
    // Slots record the firmware version, not the variant; the window tells the version it holds.
    d.slotVariant = [](quint8) { return kGsm4FreshVersion; };
    d.slotWrite = [](quint8 variant, int slot) {
        return gsm4SlotWrite(gsm4Variant(variant), kGsm4FreshVersion, slot);
    };
    d.slotRead = [](quint8, int slot) { return gsm4SlotRead(slot); };
    d.factoryImages = gsm4FactoryImages;
    // Files and slots record the firmware version; the settings are held for the version.
    d.writeVariant = writeVersion;
    d.imagesVariant = [](const SettingsImages &images, quint8) { return quint8(gsm4VariantOf(images)); };
    d.settingFields = [](const SettingsImages &images, quint8) {
        return gsm4SettingFields(gsm4VariantOf(images), decodedGsm4(images));
    };
    d.report = [](const SettingsImages &images, quint8) {
        const Gsm4Variant variant = gsm4VariantOf(images);
        return gsm4Report(gsm4Title(quint8(variant)), variant, decodedGsm4(images));
    };
    d.objectNumber = [](const SettingsImages &images, quint8) { return decodedGsm4(images).objectNumber; };
    return d;
}
