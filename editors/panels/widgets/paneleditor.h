#pragma once

#include "accesscodesgroup.h"
#include "deviceeditor.h"
#include "panelcodec.h"
#include "sectiontable.h"

#include <array>
#include <functional>

class QHBoxLayout;
class QScrollArea;
class SectionPages;
class TelephoneGroup;
class TestReportGroup;
class TimingGroup;
class ZoneGrid;

// What an editor assembled as a panel's takes from its model.
struct PanelEditorLayout {
    Model model;                 // of the window
    PanelModel tables;           // zone grid and output columns laid out as this panel's
    bool systemAddress;          // edAddress
    AccessCodesConfig accessCodes;
    SectionTable sections;
};

// The editor of the 4-, 8- and 16-zone panels, assembled from the editor parts, and the base
// of the editors laid out as a panel. Controls carry the names the section and zone rules
// compose (cbMode3, ckbE16, grBox7, edS181, cbS301).
class TPanelEditor : public TDeviceEditor
{
    Q_OBJECT
public:
    TPanelEditor(PanelModel panel, Shell &shell, QWidget *parent = nullptr);

    PanelModel panel() const { return m_panel; }
    PanelSettings settings() const;
    void showSettings(const PanelSettings &settings);

    void ResetToDefault() override;
    SettingsReport PrepareToPrint() override;

    // Editing rules, public so that the window's own handlers and tests use the same path.
    void CheckMode();
    void btnBasicClick();
    void btnAdditionalClick();

protected:
    TPanelEditor(const PanelEditorLayout &layout, Shell &shell, QWidget *parent);

    // A page beside the basic and additional ones, in its scroll area, with the button that
    // shows it and then runs `shown`.
    QScrollArea *addPage(const QString &areaName, const QString &buttonName, const QString &caption,
                         QWidget *page, const std::function<void()> &shown = {});
    // Shows the page and hides the others.
    void showPage(QScrollArea *area);
    // Puts the model's factory settings into the images and the controls (change marks off).
    virtual void showFactorySettings();
    AccessCodesGroup &accessCodes() const { return *m_codes; }
    TestReportGroup &testReport() const { return *m_testReport; }

    void FillArrayByDataForEEPROM() override;
    void FillByDataFromEEPROM() override;
    void FillArrayByDataForMemory() override;
    void FillByDataFromMemory() override;
    void applyVariant(quint8 variant) override;
    bool acceptsIdentifiedDevice() override;

private:
    QWidget *createBasicPage();
    QWidget *createAdditionalPage();
    bool exclusionApplies() const;

    PanelEditorLayout m_layout;
    PanelModel m_panel;
    const PanelModelInfo &m_info;
    ZoneGrid *m_zoneGrid = nullptr;
    TimingGroup *m_timing = nullptr;
    TestReportGroup *m_testReport = nullptr;
    AccessCodesGroup *m_codes = nullptr;
    TelephoneGroup *m_telephones = nullptr;
    SectionPages *m_sections = nullptr;
    QScrollArea *m_basic = nullptr;
    QScrollArea *m_additional = nullptr;
    QList<QScrollArea *> m_pageAreas;
    QHBoxLayout *m_pageButtons = nullptr;
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
