#pragma once

#include "deviceeditor.h"
#include "gsmdefinition.h"
#include "gsmsettings.h"

#include <array>

class GprsGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TelephoneField;

// The GSM.4 module's editor, variant 1 "ЗМУ-GSM.4" or 2 "ЗМУ-С112.4" (GPRS only, a six-digit
// identifier and no hidden code). The variant is the editor variant and EEPROM byte 53 of
// the settings; the module's firmware version (1 or 2 for either variant) is kept apart:
// settings files and configurator slots record it.
class TZMU_GSM4Form : public TDeviceEditor
{
    Q_OBJECT
public:
    explicit TZMU_GSM4Form(Shell &shell, QWidget *parent = nullptr);

    Gsm4Settings settings() const;
    void showSettings(const Gsm4Settings &settings);
    Gsm4Variant variant() const { return gsm4Variant(editorVariant()); }
    quint8 storedVersion() const { return m_version; }

    void VersionFirmware(quint8 variant) override;
    void ResetToDefault() override;
    SettingsReport PrepareToPrint() override;

protected:
    void FillArrayByDataForEEPROM() override;
    void FillByDataFromEEPROM() override;
    void FillArrayByDataForMemory() override;
    void FillByDataFromMemory() override;
    void applyVariant(quint8 variant) override;
    bool acceptsIdentifiedDevice() override;
    quint8 recordedVersion() const override { return m_version; }
    SlotWrite slotWrite(int slot) const override;

private:
    struct ActiveLevel {
        QToolButton *rising = nullptr;  // spLoHi<n>: "з 0 в 1"
        QToolButton *falling = nullptr; // spHiLo<n>: "з 1 в 0"
        QLabel *label = nullptr;        // lbLoop<n + 2>
    };

    QWidget *createLoopGroups();
    QWidget *createActiveLevel(int n);
    QGroupBox *createCsdGroup();
    QGroupBox *createEventCodes();
    QLineEdit *createHexEdit(const QString &name, int maxLength);
    void applyChannelRule();
    void showActiveLevel(int n, bool rising);
    void connectChangeMarks();

    QComboBox *m_channel;
    std::array<QComboBox *, 2> m_inputTypes{};
    std::array<ActiveLevel, 2> m_levels{};
    QGroupBox *m_csd = nullptr;
    QLineEdit *m_objectNumber = nullptr;
    std::array<TelephoneField *, 2> m_telephones{};
    QComboBox *m_protocol = nullptr;
    QLineEdit *m_dialInterval = nullptr;
    GprsGroup *m_gprs;
    std::array<QLineEdit *, gsm4::kEventCodeCount> m_eventCodes{};
    quint8 m_version = kGsm4FreshVersion;
};
