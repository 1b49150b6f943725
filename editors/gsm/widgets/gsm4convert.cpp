// GSM.4 module editor: controls to settings and images, the variant and the version.
#include "gsm4editor.h"

#include "gprsgroup.h"
#include "gsmcodec.h"
#include "gsmplans.h"
#include "gsmreport.h"
#include "panelencoding.h"
#include "partcontrols.h"
#include "telephonefield.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr int kEventCodeDigits = 3;
const QString kShownAsStoredHint =
    QStringLiteral("У модулі записано код, перша цифра якого більша за F; показано, як записано");

} // namespace

Gsm4Settings TZMU_GSM4Form::settings() const
{
    Gsm4Settings s;
    s.common = {GsmChannel(m_channel->currentIndex()), m_gprs->value()};
    for (std::size_t n = 0; n < 2; ++n) {
        s.inputTypes[n] = InputType(m_inputTypes[n]->currentIndex());
        s.risingLevel[n] = m_levels[n].rising->isChecked();
        s.telephones[n] = m_telephones[n]->value();
    }
    s.objectNumber = m_objectNumber->text();
    s.protocol = Gsm4Protocol(m_protocol->currentIndex());
    s.dialInterval = m_dialInterval->text();
    for (std::size_t i = 0; i < m_eventCodes.size(); ++i)
        s.eventCodes[i] = m_eventCodes[i]->text();
    return s;
}

void TZMU_GSM4Form::showSettings(const Gsm4Settings &s)
{
    m_channel->setCurrentIndex(int(s.common.channel));
    m_gprs->load(s.common.gprs);
    for (std::size_t n = 0; n < 2; ++n) {
        m_inputTypes[n]->setCurrentIndex(int(s.inputTypes[n]));
        showActiveLevel(int(n), s.risingLevel[n]);
        m_telephones[n]->load(s.telephones[n]);
    }
    m_objectNumber->setText(s.objectNumber);
    m_protocol->setCurrentIndex(int(s.protocol));
    m_dialInterval->setText(s.dialInterval);
    for (std::size_t i = 0; i < m_eventCodes.size(); ++i) {
        m_eventCodes[i]->setMaxLength(std::max(kEventCodeDigits, int(s.eventCodes[i].size())));
        m_eventCodes[i]->setText(s.eventCodes[i]);
    }
    applyChannelRule();
}

void TZMU_GSM4Form::VersionFirmware(quint8 variant)
{
    TDeviceEditor::VersionFirmware(variant);
    m_version = kGsm4FreshVersion;
}

void TZMU_GSM4Form::applyVariant(quint8 editorVariant)
{
    const Gsm4Variant v = gsm4Variant(editorVariant);
    const bool gsm4 = v == Gsm4Variant::Gsm4;
    m_channel->setCurrentIndex(int(gsm4 ? GsmChannel::Csd : GsmChannel::Gprs));
    m_channel->setEnabled(gsm4);
    m_gprs->setIdentifierWidth(identifierWidth(identifierForm(v)));
    m_gprs->setHiddenCodeEnabled(gsm4);
    applyChannelRule();
}

// The channel list keeps its choice: the variant sets it.
void TZMU_GSM4Form::ResetToDefault()
{
    FillingControlsGuard filling(exchange());
    exchange().resetImages(eepromSize(), memorySize());
    Gsm4Settings defaults = gsm4Defaults(variant());
    defaults.common.channel = settings().common.channel;
    showSettings(defaults);
    m_gprs->markShownAsStored({});
    for (QLineEdit *edit : m_eventCodes)
        markAdjusted(edit, false, QString());
}

void TZMU_GSM4Form::FillArrayByDataForEEPROM()
{
    exchange().EepromImage = encodeGsm4Eeprom(settings(), variant());
}

// The images name their variant in byte 53; the window takes it before showing them.
void TZMU_GSM4Form::FillByDataFromEEPROM()
{
    const QByteArray &image = exchange().EepromImage;
    adoptVariant(quint8(gsm4VariantOfMarker(byteAt(image, gsm4::kMarker))));
    m_version = kGsm4FreshVersion;
    Gsm4Settings s = settings();
    const ShownAsStored marked = decodeGsm4Eeprom(image, s);
    showSettings(s);
    for (QLineEdit *edit : m_eventCodes)
        markAdjusted(edit, marked.contains(edit->objectName()), kShownAsStoredHint);
}

void TZMU_GSM4Form::FillArrayByDataForMemory()
{
    exchange().MemoryImage = encodeGsm4Memory(settings(), variant());
}

void TZMU_GSM4Form::FillByDataFromMemory()
{
    Gsm4Settings s = settings();
    const ShownAsStored marked = decodeGsm4Memory(exchange().MemoryImage, variant(), s);
    showSettings(s);
    m_gprs->markShownAsStored(marked);
}

// The model's rule decides on the version the window holds, which it may adopt.
bool TZMU_GSM4Form::acceptsIdentifiedDevice()
{
    const ExchangeState &state = exchange();
    const std::optional<quint8> version = definition().writeVariant(m_version, state.FirmwareVariant);
    m_version = version.value_or(m_version);
    return state.DeviceType == definition().typeCode && version;
}

TDeviceEditor::SlotWrite TZMU_GSM4Form::slotWrite(int slot) const
{
    return {gsm4SlotWrite(variant(), m_version, slot), m_version};
}

SettingsReport TZMU_GSM4Form::PrepareToPrint()
{
    return gsm4Report(title(), variant(), settings());
}
