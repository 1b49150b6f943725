#pragma once

#include "controlstartsettings.h"
#include "deviceeditor.h"

#include <array>

class AccessCodesGroup;
class ClockGroup;
class DirectionGroup;
class QScrollArea;
class QTextEdit;
class SectionPages;
class TelephoneGroup;
class TestReportGroup;
class TimingGroup;
class ZoneGrid;

// The editor of the control-and-start device 2/4, assembled from the editor parts and its
// own direction and clock groups. It has no EEPROM image.
class TPKorvelForm24 : public TDeviceEditor
{
    Q_OBJECT
public:
    explicit TPKorvelForm24(Shell &shell, QWidget *parent = nullptr);

    controlstart::Settings settings() const;
    void showSettings(const controlstart::Settings &settings);

    void ResetToDefault() override;
    SettingsReport PrepareToPrint() override;

    // The coincidence time matters only while some zone uses "по одному СП".
    void CheckMode();
    void btnBasicClick();
    void btnAdditionalClick();
    void btnMessagesClick();

protected:
    void FillArrayByDataForEEPROM() override;
    void FillByDataFromEEPROM() override {}
    void FillArrayByDataForMemory() override;
    void FillByDataFromMemory() override;
    void applyVariant(quint8) override {}

private:
    QWidget *createBasicPage();
    QWidget *createAdditionalPage();
    QWidget *createPageButtons();
    void showPage(QWidget *page);
    void connectChangeMarks();

    ZoneGrid *m_zoneGrid = nullptr;
    std::array<DirectionGroup *, controlstart::kDirectionCount> m_directions{};
    TimingGroup *m_timing = nullptr;
    ClockGroup *m_clock = nullptr;
    TestReportGroup *m_testReport = nullptr;
    AccessCodesGroup *m_codes = nullptr;
    TelephoneGroup *m_telephones = nullptr;
    SectionPages *m_sections = nullptr;
    QScrollArea *m_basic = nullptr;
    QScrollArea *m_additional = nullptr;
    QTextEdit *m_messages = nullptr;
};
