#pragma once

#include "deviceeditor.h"
#include "gsmsettings.h"

class GprsGroup;
class QComboBox;

// The GSM module's editor ("ЗМУ-GSM"): the channel type and the GPRS group, which only a
// GPRS channel enables (its values are written either way). The editor variant is the
// module's firmware version: 1 and 2 share one map, 4 has its own.
class TZMU_GSMForm : public TDeviceEditor
{
    Q_OBJECT
public:
    explicit TZMU_GSMForm(Shell &shell, QWidget *parent = nullptr);

    GsmSettings settings() const;
    void showSettings(const GsmSettings &settings);

    void ResetToDefault() override;
    SettingsReport PrepareToPrint() override;

protected:
    void FillArrayByDataForEEPROM() override;
    void FillByDataFromEEPROM() override;
    void FillArrayByDataForMemory() override;
    void FillByDataFromMemory() override;
    void applyVariant(quint8) override {}
    bool acceptsIdentifiedDevice() override;

private:
    void applyChannelRule();

    QComboBox *m_channel;
    GprsGroup *m_gprs;
};
