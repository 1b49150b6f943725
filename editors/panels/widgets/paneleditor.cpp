// Panel editor: the window assembled from the parts, and the rules that tie parts together.
#include "paneleditor.h"

#include "accesscodesgroup.h"
#include "sectionpages.h"
#include "partcontrols.h"
#include "telephonegroup.h"
#include "testreportgroup.h"
#include "timinggroup.h"
#include "zonegrid.h"

#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

PanelEditorLayout panelLayout(PanelModel panel)
{
    const AccessCodesConfig codes{kPanelAccessCode2, kPanelAccessCode3};
    const SectionTable &sections = panelSectionTable(panel);
    switch (panel) {
    case PanelModel::FourZone: return {Model::Korvel4p, panel, false, codes, sections};
    case PanelModel::EightZone: return {Model::Korvel8p, panel, true, codes, sections};
    case PanelModel::SixteenZone: break;
    }
    return {Model::Korvel16p, panel, true, codes, sections};
}

// The 4- and 8-zone panels show which relay no zone switches: column D is "РЕЛ 1", E "РЕЛ 2".
ZoneGridConfig zoneGridConfig(const PanelModelInfo &info)
{
    ZoneGridConfig config;
    config.zones = info.zones();
    for (int column = 0; column < kOutputColumnCount; ++column)
        config.columns.append({column, info.columnCaptions.value(column)});
    if (info.model != PanelModel::SixteenZone)
        config.indicators = {{3, QStringLiteral("Загальна несправність"), QStringLiteral("lbCommonFault")},
                             {4, QStringLiteral("Загальна пожежа"), QStringLiteral("lbCommonFire")}};
    return config;
}

} // namespace

TPanelEditor::TPanelEditor(PanelModel panel, Shell &shell, QWidget *parent)
    : TPanelEditor(panelLayout(panel), shell, parent)
{
}

TPanelEditor::TPanelEditor(const PanelEditorLayout &layout, Shell &shell, QWidget *parent)
    : TDeviceEditor(layout.model, shell, parent), m_layout(layout), m_panel(layout.tables),
      m_info(panelModelInfo(layout.tables))
{
    m_pageButtons = new QHBoxLayout;
    m_pageButtons->addStretch();
    auto *pages = new QVBoxLayout(this);
    pages->addLayout(m_pageButtons);
    m_basic = addPage(QStringLiteral("scrBoxBasic"), QStringLiteral("btnBasic"),
                      QStringLiteral("Основні налаштування"), createBasicPage());
    m_additional = addPage(QStringLiteral("scrBoxAdditional"), QStringLiteral("btnAdditional"),
                           QStringLiteral("Додаткові налаштування"), createAdditionalPage());
    btnBasicClick();

    markChangesOf(m_zoneGrid);
    markChangesOf(m_timing);
    markChangesOf(m_testReport);
    markChangesOf(m_codes);
    markChangesOf(m_telephones);
    markChangesOf(m_sections);
    CheckMode();
}

QWidget *TPanelEditor::createBasicPage()
{
    m_zoneGrid = new ZoneGrid(zoneGridConfig(m_info));
    m_zoneGrid->setExclusionRule([this] { return exclusionApplies(); });
    connect(m_zoneGrid, &ZoneGrid::modesChanged, this, &TPanelEditor::CheckMode);
    m_timing = new TimingGroup({.systemAddress = m_layout.systemAddress});
    m_testReport = new TestReportGroup;

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_zoneGrid);
    auto *row = new QHBoxLayout;
    row->addWidget(m_timing);
    row->addWidget(m_testReport);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QWidget *TPanelEditor::createAdditionalPage()
{
    m_codes = new AccessCodesGroup(m_layout.accessCodes);
    m_sections = new SectionPages(m_layout.sections);

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *row = new QHBoxLayout;
    row->addWidget(m_codes);
    m_telephones = new TelephoneGroup;
    row->addWidget(m_telephones);
    layout->addLayout(row);
    layout->addWidget(m_sections, 1);
    return page;
}

// The coincidence time matters only while some zone uses "по одному СП".
void TPanelEditor::CheckMode()
{
    m_timing->setCoincidenceEnabled(m_zoneGrid->anyZoneInMode(kModeOneDetector));
}

// Early firmware cannot combine "по двох СП" with an open ("розімкнутий") detector.
bool TPanelEditor::exclusionApplies() const
{
    const int v = editorVariant();
    return m_panel == PanelModel::SixteenZone ? v == 2 : v >= 2 && v <= 4;
}

QScrollArea *TPanelEditor::addPage(const QString &areaName, const QString &buttonName,
                                   const QString &caption, QWidget *page, const std::function<void()> &shown)
{
    QScrollArea *area = createScrolledPage(page, areaName);
    area->hide();
    static_cast<QVBoxLayout *>(layout())->addWidget(area, 1);
    m_pageAreas.append(area);
    auto *button = new QPushButton(caption, this);
    button->setObjectName(buttonName);
    m_pageButtons->insertWidget(int(m_pageAreas.size()) - 1, button);
    connect(button, &QPushButton::clicked, this, [this, area, shown] {
        showPage(area);
        if (shown)
            shown();
    });
    return area;
}

void TPanelEditor::showPage(QScrollArea *area)
{
    for (QScrollArea *page : std::as_const(m_pageAreas))
        page->setVisible(page == area);
}

void TPanelEditor::btnBasicClick()
{
    showPage(m_basic);
}

void TPanelEditor::btnAdditionalClick()
{
    showPage(m_additional);
}

TKorvelForm4p::TKorvelForm4p(Shell &shell, QWidget *parent)
    : TPanelEditor(PanelModel::FourZone, shell, parent)
{
}

TKorvelForm8p::TKorvelForm8p(Shell &shell, QWidget *parent)
    : TPanelEditor(PanelModel::EightZone, shell, parent)
{
}

TKorvelForm16p::TKorvelForm16p(Shell &shell, QWidget *parent)
    : TPanelEditor(PanelModel::SixteenZone, shell, parent)
{
}
