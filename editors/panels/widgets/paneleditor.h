#pragma once

#include "deviceeditor.h"
#include "panelcodec.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QToolButton;

// The editor of the 4-, 8- and 16-zone panels. Controls carry the names the section and
// zone rules compose (cbMode3, ckbE16, grBox7, edS181, cbS301).
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
    void markTestReport(const MemoryDecodeReport &report);
    void connectChangeMarks();

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
