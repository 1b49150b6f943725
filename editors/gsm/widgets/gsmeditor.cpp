#include "gsmeditor.h"

#include "gprsgroup.h"
#include "gsmcodec.h"
#include "gsmreport.h"
#include "gsmtexts.h"
#include "partcontrols.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace {
const QColor kDisabledCaption(0xC0, 0xC0, 0xC0); // silver
} // namespace

TZMU_GSMForm::TZMU_GSMForm(Shell &shell, QWidget *parent)
    : TDeviceEditor(Model::ZmuGsm, shell, parent)
{
    m_channel = new QComboBox;
    m_channel->setObjectName(QStringLiteral("cbChannelType"));
    m_channel->addItems(gsmtext::channelItems());
    m_gprs = new GprsGroup(QStringLiteral("Налаштування (тільки для GPRS)"), GprsDigits::Decimal);
    // Neither the channel nor the IP addresses mark the configuration changed.
    connect(m_channel, &QComboBox::activated, this, &TZMU_GSMForm::applyChannelRule);
    connect(m_gprs, &GprsGroup::changed, this, &TDeviceEditor::ChangeAdjust);

    auto *channel = new QFormLayout;
    channel->addRow(gsmtext::kChannel, m_channel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(channel);
    layout->addWidget(m_gprs);
    layout->addStretch();
    applyChannelRule();
}

GsmSettings TZMU_GSMForm::settings() const
{
    return {GsmChannel(m_channel->currentIndex()), m_gprs->value()};
}

void TZMU_GSMForm::showSettings(const GsmSettings &s)
{
    m_channel->setCurrentIndex(int(s.channel));
    m_gprs->load(s.gprs);
    applyChannelRule();
}

void TZMU_GSMForm::applyChannelRule()
{
    const bool gprs = settings().channel == GsmChannel::Gprs;
    m_gprs->setEnabled(gprs);
    setTextColour(m_gprs, gprs ? QColor(Qt::black) : kDisabledCaption);
}

void TZMU_GSMForm::FillArrayByDataForEEPROM()
{
    exchange().EepromImage = encodeGsmEeprom(settings());
}

void TZMU_GSMForm::FillByDataFromEEPROM()
{
    GsmSettings s = settings();
    decodeGsmEeprom(exchange().EepromImage, s);
    showSettings(s);
}

void TZMU_GSMForm::FillArrayByDataForMemory()
{
    exchange().MemoryImage = encodeGprsMemory(m_gprs->value(), IdentifierForm::Gsm);
}

void TZMU_GSMForm::FillByDataFromMemory()
{
    GsmSettings s = settings();
    const ShownAsStored marked = decodeGprsMemory(exchange().MemoryImage, IdentifierForm::Gsm, s.gprs);
    showSettings(s);
    m_gprs->markShownAsStored(marked);
}

void TZMU_GSMForm::ResetToDefault()
{
    FillingControlsGuard filling(exchange());
    exchange().resetImages(eepromSize(), memorySize());
    showSettings(gsmDefaults());
    m_gprs->markShownAsStored({});
}

// The model's rule decides; a window that writes to a module of another version takes it.
bool TZMU_GSMForm::acceptsIdentifiedDevice()
{
    const std::optional<quint8> version = definition().writeVariant(editorVariant(), exchange().FirmwareVariant);
    if (version && *version != editorVariant())
        adoptVariant(*version);
    return TDeviceEditor::acceptsIdentifiedDevice();
}

SettingsReport TZMU_GSMForm::PrepareToPrint()
{
    return gsmReport(settings());
}
