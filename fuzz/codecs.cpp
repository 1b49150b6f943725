// Every model's decoders, encoders and report. From any pair of images (of any length):
// decoding and encoding again gives images of the model's sizes; images the encoder made
// survive another decode and encode unchanged; the report is well-formed RTF with every text
// escaped, and its printable form holds its title; every named field has a name.
#include "controlstartcodec.h"
#include "controlstartreport.h"
#include "fuzzcheck.h"
#include "gsmcodec.h"
#include "gsmreport.h"
#include "modelsizes.h"
#include "panelcodec.h"
#include "panelreport.h"
#include "registry.h"
#include "reportdocument.h"
#include "systempanelcodec.h"
#include "systempanelreport.h"

#include <functional>

namespace {

// What an editor does with the images of one model and variant: decodes them into its
// controls and encodes the controls again, or prints the report of what they hold.
struct Codec {
    std::function<SettingsImages(const SettingsImages &)> reencode;
    std::function<SettingsReport(const SettingsImages &)> report;
};

// The control-and-start device writes its clock from "now"; a fixed one keeps runs repeatable.
const QDateTime kNow(QDate(2026, 3, 14), QTime(15, 9, 26));

PanelModel panelOf(Model model)
{
    return model == Model::Korvel4p ? PanelModel::FourZone
                                    : model == Model::Korvel8p ? PanelModel::EightZone : PanelModel::SixteenZone;
}

Codec panelCodec(Model model, quint8 variant)
{
    const PanelModel panel = panelOf(model);
    const auto decoded = [panel, variant](const SettingsImages &images) {
        PanelSettings s;
        decodeEeprom(panel, variant, images.eeprom, s);
        decodeMemory(panel, images.memory, s);
        return s;
    };
    return {[=](const SettingsImages &images) {
                const PanelSettings s = decoded(images);
                return SettingsImages{encodeEeprom(panel, variant, s), encodeMemory(panel, s)};
            },
            [=](const SettingsImages &images) {
                return panelReport(panel, variant, editorTitle(model, variant), decoded(images));
            }};
}

SystemPanelSettings systemPanelDecoded(const SettingsImages &images)
{
    SystemPanelSettings s;
    decodeSystemPanelEeprom(images.eeprom, s);
    decodeSystemPanelMemory(images.memory, s);
    return s;
}

Codec systemPanelCodec()
{
    return {[](const SettingsImages &images) {
                const SystemPanelSettings s = systemPanelDecoded(images);
                return SettingsImages{encodeSystemPanelEeprom(s), encodeSystemPanelMemory(s)};
            },
            [](const SettingsImages &images) { return systemPanelReport(systemPanelDecoded(images).panel); }};
}

GsmSettings gsmDecoded(const SettingsImages &images)
{
    GsmSettings s = gsmDefaults();
    decodeGsmEeprom(images.eeprom, s);
    decodeGprsMemory(images.memory, IdentifierForm::Gsm, s.gprs);
    return s;
}

Codec gsmCodec()
{
    return {[](const SettingsImages &images) {
                const GsmSettings s = gsmDecoded(images);
                return SettingsImages{encodeGsmEeprom(s), encodeGprsMemory(s.gprs, IdentifierForm::Gsm)};
            },
            [](const SettingsImages &images) { return gsmReport(gsmDecoded(images)); }};
}

Codec gsm4Codec(quint8 editorVariant)
{
    const Gsm4Variant variant = gsm4Variant(editorVariant);
    const auto decoded = [variant](const SettingsImages &images) {
        Gsm4Settings s = gsm4Defaults(variant);
        decodeGsm4Eeprom(images.eeprom, s);
        decodeGsm4Memory(images.memory, variant, s);
        return s;
    };
    return {[=](const SettingsImages &images) {
                const Gsm4Settings s = decoded(images);
                return SettingsImages{encodeGsm4Eeprom(s, variant), encodeGsm4Memory(s, variant)};
            },
            [=](const SettingsImages &images) {
                return gsm4Report(editorTitle(Model::ZmuGsm4, editorVariant), variant, decoded(images));
            }};
}

controlstart::Settings controlStartDecoded(const SettingsImages &images)
{
    controlstart::Settings s;
    controlstart::decodeMemory(images.memory, kNow, s);
    return s;
}

Codec controlStartCodec()
{
    return {[](const SettingsImages &images) {
                return SettingsImages{QByteArray(), controlstart::encodeMemory(controlStartDecoded(images), kNow)};
            },
            [](const SettingsImages &images) { return controlstart::report(controlStartDecoded(images)); }};
}

Codec codecOf(Model model, quint8 variant)
{
    switch (model) {
    case Model::Korvel16_64p: return systemPanelCodec();
    case Model::ZmuGsm: return gsmCodec();
    case Model::ZmuGsm4: return gsm4Codec(variant);
    case Model::PKorvel24: return controlStartCodec();
    default: return panelCodec(model, variant);
    }
}

// Starts as an RTF document, every brace that is not escaped is matched, and every byte is
// printable ASCII or a line end: each text character goes as an escape.
void checkRtf(const QByteArray &rtf)
{
    FUZZ_CHECK(rtf.startsWith("{\\rtf1"));
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf.at(i);
        FUZZ_CHECK((c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n');
        if (c == '\\')
            ++i; // an escaped character, or the first letter of a control word
        else if (c == '{')
            ++depth;
        else if (c == '}')
            FUZZ_CHECK(--depth >= 0);
    }
    FUZZ_CHECK(depth == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const ModelLayout &layout = kModelLayouts[input.byte() % std::size(kModelLayouts)];
    const DeviceDefinition &definition = modelInfo(layout.model);
    const quint8 reported = definition.acceptedVariants.at(input.byte() % definition.acceptedVariants.size());
    const quint8 variant = definition.editorVariant(reported);
    SettingsImages images;
    images.eeprom = input.bytes(input.byte() % (layout.eepromSize + 8));
    images.memory = input.rest();

    const Codec codec = codecOf(layout.model, variant);
    const SettingsImages encoded = codec.reencode(images);
    FUZZ_CHECK(encoded.eeprom.size() == layout.eepromSize);
    FUZZ_CHECK(encoded.memory.size() == layout.memorySize);
    const SettingsImages again = codec.reencode(encoded);
    FUZZ_CHECK(again.eeprom == encoded.eeprom);
    FUZZ_CHECK(again.memory == encoded.memory);

    const SettingsReport report = codec.report(images);
    checkRtf(reportRtf(report));
    FUZZ_CHECK(reportHtml(report).contains(report.title.toHtmlEscaped()));
    const QList<SettingField> fields = definition.settingFields(encoded, variant);
    FUZZ_CHECK(!fields.isEmpty());
    for (const SettingField &field : fields)
        FUZZ_CHECK(!field.group.isEmpty() && !field.name.isEmpty());
    return 0;
}
