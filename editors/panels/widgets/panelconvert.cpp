// Panel editor: controls to settings and images.
#include "paneleditor.h"

#include "panelencoding.h"
#include "panelsections.h"
#include "shell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

namespace {

const QString kAdjustedHint = QStringLiteral(
    "У приладі записано значення, яке не можна показати; показано найближче допустиме");

} // namespace

PanelSettings TPanelEditor::settings() const
{
    PanelSettings s;
    for (int z = 0; z < m_info.zoneCount; ++z) {
        const ZoneRow &row = m_zones[z];
        s.zones[z].detectorType = row.type->currentIndex();
        s.zones[z].mode = row.mode->currentIndex();
        for (int c = 0; c < kOutputColumnCount; ++c)
            s.zones[z].outputs[c] = row.outputs[c]->isChecked();
    }
    for (int i = 0; i < kSpinnerCount; ++i)
        s.spinners[i] = m_spinners[i]->value();
    s.address = m_address ? m_address->text() : QString();
    s.accessCode2 = m_code2->text();
    s.accessCode3 = m_code3->text();
    for (int n = 0; n < 2; ++n) {
        s.objectNumbers[n] = m_objectNumbers[n]->text();
        const Telephone &t = m_telephones[n];
        s.telephones[n] = {t.edit->text(), t.edit->toolTip(), t.tonePulse->isChecked()};
    }
    for (int i = 0; i < kSectionCount; ++i) {
        const Section &section = m_sections[i];
        for (int k = 0; k < kMaxSectionFields; ++k) {
            if (section.fields[k])
                s.sectionFields[i][k] = section.fields[k]->text();
        }
        if (section.protocol)
            s.protocols[telephoneOfSection(i)] = section.protocol->currentIndex();
    }
    return s;
}

void TPanelEditor::showSettings(const PanelSettings &s)
{
    for (int z = 0; z < m_info.zoneCount; ++z) {
        ZoneRow &row = m_zones[z];
        row.type->setCurrentIndex(s.zones[z].detectorType);
        row.mode->setCurrentIndex(s.zones[z].mode);
        for (int c = 0; c < kOutputColumnCount; ++c)
            row.outputs[c]->setChecked(s.zones[z].outputs[c]);
    }
    for (int i = 0; i < kSpinnerCount; ++i)
        m_spinners[i]->setValue(s.spinners[i]);
    if (m_address)
        m_address->setText(s.address);
    m_code2->setText(s.accessCode2);
    m_code3->setText(s.accessCode3);
    for (int n = 0; n < 2; ++n) {
        m_objectNumbers[n]->setText(s.objectNumbers[n]);
        m_telephones[n].edit->setToolTip(s.telephones[n].codeString);
        setToneState(n, s.telephones[n].tone, true);
        m_telephones[n].edit->setText(s.telephones[n].text);
    }
    for (int i = 0; i < kSectionCount; ++i) {
        Section &section = m_sections[i];
        for (int k = 0; k < kMaxSectionFields; ++k) {
            if (section.fields[k])
                section.fields[k]->setText(s.sectionFields[i][k]);
        }
        if (section.protocol)
            section.protocol->setCurrentIndex(s.protocols[telephoneOfSection(i)]);
    }
    CheckMode();
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
    markTestReport(report);
}

// A test-report byte the spinner cannot show as stored is shown as the nearest value and
// marked, so the user does not take it for what the device holds.
void TPanelEditor::markTestReport(const MemoryDecodeReport &report)
{
    for (int i = 0; i < kTestReportFieldCount; ++i)
        markAdjusted(m_spinners[std::size_t(PanelSpinner::ReportHour) + i], report.testReportAdjusted[i]);
}

void TPanelEditor::markAdjusted(QWidget *control, bool adjusted)
{
    control->setStyleSheet(adjusted ? QStringLiteral("background: #ffd0d0;") : QString());
    control->setToolTip(adjusted ? kAdjustedHint : QString());
    control->setProperty("adjusted", adjusted);
}

void TPanelEditor::ResetToDefault()
{
    FillingControlsGuard filling(exchange());
    showFactorySettings();
    m_common->setChecked(false);
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
    markTestReport(decodeMemory(m_panel, exchange().MemoryImage, defaults));
    showSettings(defaults);
}

void TPanelEditor::applyVariant(quint8 variant)
{
    QSpinBox *lineFault = m_spinners[std::size_t(PanelSpinner::LineFault)];
    const bool known = variant >= 2 && variant <= 6;
    if (m_panel == PanelModel::SixteenZone || !known)
        return;
    const bool lineFaultOn = variant != 2;
    m_lineFaultLabel->setEnabled(lineFaultOn);
    lineFault->setEnabled(lineFaultOn);
    if (!lineFaultOn)
        lineFault->setValue(0);
    if (m_panel == PanelModel::EightZone) {
        const bool addressOn = variant >= 4;
        m_addressLabel->setEnabled(addressOn);
        m_address->setEnabled(addressOn);
        if (variant == 2)
            m_address->setText(QStringLiteral("0"));
    }
}

// A 4-zone panel reporting variant 0 is a variant 3 panel, as identification takes it; an
// editor with no variant yet (a file of variant 0) takes the variant of the device.
bool TPanelEditor::acceptsIdentifiedDevice()
{
    if (m_panel != PanelModel::FourZone)
        return TDeviceEditor::acceptsIdentifiedDevice();
    if (exchange().FirmwareVariant == 0)
        exchange().FirmwareVariant = 3;
    const quint8 reported = exchange().FirmwareVariant;
    if (editorVariant() == 0 && (reported == 3 || reported == 4))
        adoptVariant(reported);
    return TDeviceEditor::acceptsIdentifiedDevice();
}
