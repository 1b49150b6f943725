#pragma once

#include "deviceeditor.h"
#include "panelcodec.h"

#include <array>

class AccessCodesGroup;
class QScrollArea;
class SectionPages;
class TelephoneField;
class TestReportGroup;
class TimingGroup;
class ZoneGrid;

// The editor of the 4-, 8- and 16-zone panels, assembled from the editor parts. Controls
// carry the names the section and zone rules compose (cbMode3, ckbE16, grBox7, edS181, cbS301).
class TPanelEditor : public TDeviceEditor
{
    Q_OBJECT
public:
    TPanelEditor(PanelModel panel, Shell &shell, QWidget *parent = nullptr);

    PanelModel panel() const { return m_panel; }
    PanelSettings settings() const;
    void showSettings(const PanelSettings &settings);

    void ResetToDefault() override;
    void PrepareToPrint() override;

    // Editing rules, public so that the window's own handlers and tests use the same path.
    void CheckMode();
    void btnBasicClick();
    void btnAdditionalClick();

protected:
    void FillArrayByDataForEEPROM() override;
    void FillByDataFromEEPROM() override;
    void FillArrayByDataForMemory() override;
    void FillByDataFromMemory() override;
    void applyVariant(quint8 variant) override;
    bool acceptsIdentifiedDevice() override;

private:
    QWidget *createBasicPage();
    QWidget *createAdditionalPage();
    QWidget *createTelephoneGroup();
    bool exclusionApplies() const;

    PanelModel m_panel;
    const PanelModelInfo &m_info;
    ZoneGrid *m_zoneGrid = nullptr;
    TimingGroup *m_timing = nullptr;
    TestReportGroup *m_testReport = nullptr;
    AccessCodesGroup *m_codes = nullptr;
    std::array<TelephoneField *, 2> m_telephones{};
    SectionPages *m_sections = nullptr;
    QScrollArea *m_basic = nullptr;
    QScrollArea *m_additional = nullptr;
};

class TKorvelForm4p : public TPanelEditor
{
    Q_OBJECT
public:
    explicit TKorvelForm4p(Shell &shell, QWidget *parent = nullptr);
};

class TKorvelForm8p : public TPanelEditor
{
    Q_OBJECT
public:
    explicit TKorvelForm8p(Shell &shell, QWidget *parent = nullptr);
};

class TKorvelForm16p : public TPanelEditor
{
    Q_OBJECT
public:
    explicit TKorvelForm16p(Shell &shell, QWidget *parent = nullptr);
};
