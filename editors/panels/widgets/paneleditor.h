#pragma once

#include "deviceeditor.h"
#include "panelcodec.h"
#include "rtfreport.h"

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QPushButton;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QToolButton;

// What an editor built on the panel editor takes from its model.
struct PanelEditorLayout {
    Model model;            // of the window
    PanelModel tables;      // zone grid, output columns and sections laid out as this panel's
    bool systemAddress;     // edAddress
    int accessCodeDigits;   // edCode2, edCode3
    int firstSectionNumber; // in the section titles
};

// The editor of the 4-, 8- and 16-zone panels, and the base of the editors whose zone grid
// and sections are a panel's. Controls carry the names the section and zone rules compose
// (cbMode3, ckbE16, grBox7, edS181, cbS301).
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
    void lstBoxSectionClick(int page);
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
    // Fills the images and the controls with the model's factory settings (change marks off).
    virtual void showFactorySettings();
    // A control that shows a stored value other than the one stored is marked.
    static void markAdjusted(QWidget *control, bool adjusted);
    void markTestReport(const MemoryDecodeReport &report);
    // Opens a written report in the system's viewer; error 1 when it was not written.
    static void openReport(const ReportFileResult &result);

    void FillArrayByDataForEEPROM() override;
    void FillByDataFromEEPROM() override;
    void FillArrayByDataForMemory() override;
    void FillByDataFromMemory() override;
    void applyVariant(quint8 variant) override;
    bool acceptsIdentifiedDevice() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ZoneRow {
        QComboBox *type = nullptr;
        QComboBox *mode = nullptr;
        std::array<QCheckBox *, kOutputColumnCount> outputs{};
    };
    struct Telephone {
        QLineEdit *edit = nullptr;
        QToolButton *pause = nullptr;
        QToolButton *findSignal = nullptr;
        QToolButton *tonePulse = nullptr;
    };
    struct Section {
        QGroupBox *box = nullptr;
        std::array<QLineEdit *, kMaxSectionFields> fields{};
        QComboBox *protocol = nullptr; // field 1 of sections 30 and 44
    };

    // Building the window.
    QWidget *createBasicPage();
    QWidget *createZoneGrid();
    QWidget *createTimingGroup();
    QWidget *createTestReportGroup();
    QWidget *createRelayIndicators();
    QWidget *createAdditionalPage();
    QWidget *createCodesGroup();
    QWidget *createTelephoneGroup();
    QWidget *createSectionPages();
    QWidget *createSectionPage(int page);
    QGroupBox *createSectionBox(int sectionIndex);
    QSpinBox *createSpinner(PanelSpinner which, QLineEdit **edit = nullptr);
    QLineEdit *createEdit(const QString &name, int maxLength);
    QComboBox *createColouredCombo(const QString &name, const QStringList &items);

    // Rules.
    void cbModeChange(int zone);
    void cbTypeMessageChange(int zone);
    void Check_cbMessages_cbMode(int zone);
    void Check_cbMode_cbMessages(int zone);
    bool exclusionApplies() const;
    void invertColumn(int column);
    void highlightColumn(int column, bool on);
    void updateRelayIndicators();
    void ckbCommonClick();
    void EditChange(QLineEdit *field);
    void mirrorProtocol(int telephone);
    QString twinName(const QString &fieldName, int sectionIndex) const;
    void telephoneEdited(int n);
    void insertTelephoneMark(int n, QChar mark);
    void sbTonePulseClick(int n);
    void setToneState(int n, bool tone, bool fromImage);
    void connectChangeMarks();

    PanelEditorLayout m_layout;
    PanelModel m_panel;
    const PanelModelInfo &m_info;
    std::array<ZoneRow, kMaxZones> m_zones;
    std::array<QLabel *, kOutputColumnCount> m_exitLabels{};
    std::array<QSpinBox *, kSpinnerCount> m_spinners{};
    QLabel *m_lineFaultLabel = nullptr;
    QLabel *m_coincidenceLabel = nullptr;
    QLabel *m_addressLabel = nullptr;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_code2 = nullptr;
    QLineEdit *m_code3 = nullptr;
    std::array<QLineEdit *, 2> m_objectNumbers{};
    std::array<Telephone, 2> m_telephones;
    std::array<Section, kSectionCount> m_sections;
    std::array<QListWidget *, 2> m_sectionLists{};
    QTabWidget *m_pages = nullptr;
    QCheckBox *m_common = nullptr;
    QWidget *m_faultIndicator = nullptr; // "Загальна несправність", column D
    QWidget *m_fireIndicator = nullptr;  // "Загальна пожежа", column E
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
