#pragma once

#include "paneleditor.h"
#include "systempanelcodec.h"

class SystemTreePage;

// The editor of the 16.64P panel: the 16-zone panel's editor (zone grid, times, test message,
// codes of six digits, numbers, sections numbered 19 to 46, no system address) with the
// "приписка ППКП" page of the system table.
class TKorvelForm16_64p : public TPanelEditor
{
    Q_OBJECT
public:
    explicit TKorvelForm16_64p(Shell &shell, QWidget *parent = nullptr);

    SystemPanelSettings systemPanelSettings() const;
    void showSystemPanelSettings(const SystemPanelSettings &settings);

    SettingsReport PrepareToPrint() override;
    QString configuratorRefusal() const override;
    void btnPPKPClick();

protected:
    void FillArrayByDataForEEPROM() override;
    void FillByDataFromEEPROM() override;
    void FillArrayByDataForMemory() override;
    void FillByDataFromMemory() override;
    void showFactorySettings() override;

private:
    SystemTreePage *m_system;
    QScrollArea *m_systemArea;
};
