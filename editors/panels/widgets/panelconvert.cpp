// Panel editor: controls to settings and images.
#include "paneleditor.h"

#include "accesscodesgroup.h"
#include "sectionpages.h"
#include "shell.h"
#include "telephonegroup.h"
#include "testreportgroup.h"
#include "timinggroup.h"
#include "zonegrid.h"

PanelSettings TPanelEditor::settings() const
{
    PanelSettings s;
    m_zoneGrid->store(s.zones);
    m_timing->store(s.timing(), s.address);
    m_testReport->store(s.testReport());
    m_codes->store(s.accessCode2, s.accessCode3, s.objectNumbers);
    s.telephones = m_telephones->value();
    m_sections->store(s.sectionFields, s.protocols);
    return s;
}

void TPanelEditor::showSettings(const PanelSettings &s)
{
    m_zoneGrid->load(s.zones);
    m_timing->load(s.timing(), s.address);
    m_testReport->load(s.testReport());
    m_codes->load(s.accessCode2, s.accessCode3, s.objectNumbers);
    m_telephones->load(s.telephones);
    m_sections->load(s.sectionFields, s.protocols);
}

void TPanelEditor::FillArrayByDataForEEPROM()
{
    exchange().EepromImage = encodeEeprom(m_panel, editorVariant(), settings());
}

void TPanelEditor::FillByDataFromEEPROM()
{
    PanelSettings s = settings();
    decodeEeprom(m_panel, exchange().FirmwareVariant, exchange().EepromImage, s);
    showSettings(s);
}

void TPanelEditor::FillArrayByDataForMemory()
{
    exchange().MemoryImage = encodeMemory(m_panel, settings());
}

void TPanelEditor::FillByDataFromMemory()
{
    PanelSettings s = settings();
    const MemoryDecodeReport report = decodeMemory(m_panel, exchange().MemoryImage, s);
    showSettings(s);
    m_testReport->markAdjusted(report.testReportAdjusted);
}

void TPanelEditor::ResetToDefault()
{
    FillingControlsGuard filling(exchange());
    showFactorySettings();
    m_sections->clearCommonCodes();
}

void TPanelEditor::showFactorySettings()
{
    exchange().EepromImage = defaultEepromImage(m_panel);
    exchange().MemoryImage = QByteArray(memorySize(), '\0');
    // Zero timing bytes read alike in every layout; any variant that has one will do, so
    // that the reset does not depend on whichever device was seen last.
    constexpr int kAnyLaidOutVariant = 5;
    PanelSettings defaults;
    decodeEeprom(m_panel, kAnyLaidOutVariant, exchange().EepromImage, defaults);
    const MemoryDecodeReport report = decodeMemory(m_panel, exchange().MemoryImage, defaults);
    showSettings(defaults);
    m_testReport->markAdjusted(report.testReportAdjusted);
}

void TPanelEditor::applyVariant(quint8 variant)
{
    const bool known = variant >= 2 && variant <= 6;
    if (m_panel == PanelModel::SixteenZone || !known)
        return;
    m_timing->setLineFaultSupported(variant != 2);
    if (m_panel == PanelModel::EightZone) {
        m_timing->setAddressEnabled(variant >= 4);
        if (variant == 2)
            m_timing->clearAddress();
    }
}

// The model's rule decides (a 4-zone editor with no variant yet takes the device's); the
// device is then known by the variant an editor takes for the one it reported.
bool TPanelEditor::acceptsIdentifiedDevice()
{
    ExchangeState &state = exchange();
    const std::optional<quint8> variant = definition().writeVariant(editorVariant(), state.FirmwareVariant);
    state.FirmwareVariant = definition().editorVariant(state.FirmwareVariant);
    if (variant && *variant != editorVariant())
        adoptVariant(*variant);
    return TDeviceEditor::acceptsIdentifiedDevice();
}
