// Panel editor: the window assembled from the parts, and the rules that tie parts together.
#include "paneleditor.h"

#include "accesscodesgroup.h"
#include "sectionpages.h"
#include "telephonefield.h"
#include "testreportgroup.h"
#include "timinggroup.h"
#include "zonegrid.h"

#include <QGroupBox>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

Model registryModel(PanelModel panel)
{
    switch (panel) {
    case PanelModel::FourZone: return Model::Korvel4p;
    case PanelModel::EightZone: return Model::Korvel8p;
    case PanelModel::SixteenZone: break;
    }
    return Model::Korvel16p;
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

QScrollArea *scrolled(QWidget *page, const QString &name)
{
    auto *area = new QScrollArea;
    area->setObjectName(name);
    area->setWidget(page);
    area->setWidgetResizable(true);
    return area;
}

} // namespace

TPanelEditor::TPanelEditor(PanelModel panel, Shell &shell, QWidget *parent)
    : TDeviceEditor(registryModel(panel), shell, parent), m_panel(panel), m_info(panelModelInfo(panel))
{
    m_basic = scrolled(createBasicPage(), QStringLiteral("scrBoxBasic"));
    m_additional = scrolled(createAdditionalPage(), QStringLiteral("scrBoxAdditional"));

    auto *btnBasic = new QPushButton(QStringLiteral("Основні налаштування"), this);
    btnBasic->setObjectName(QStringLiteral("btnBasic"));
    auto *btnAdditional = new QPushButton(QStringLiteral("Додаткові налаштування"), this);
    btnAdditional->setObjectName(QStringLiteral("btnAdditional"));
    connect(btnBasic, &QPushButton::clicked, this, &TPanelEditor::btnBasicClick);
    connect(btnAdditional, &QPushButton::clicked, this, &TPanelEditor::btnAdditionalClick);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnBasic);
    buttons->addWidget(btnAdditional);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_basic, 1);
    layout->addWidget(m_additional, 1);
    btnBasicClick();

    const auto markChanges = [this](auto *part) {
        connect(part, &std::remove_pointer_t<decltype(part)>::changed, this, &TDeviceEditor::ChangeAdjust);
    };
    markChanges(m_zoneGrid);
    markChanges(m_timing);
    markChanges(m_testReport);
    markChanges(m_codes);
    markChanges(m_telephones[0]);
    markChanges(m_telephones[1]);
    markChanges(m_sections);
    CheckMode();
    resize(860, 640);
}

QWidget *TPanelEditor::createBasicPage()
{
    m_zoneGrid = new ZoneGrid(zoneGridConfig(m_info));
    m_zoneGrid->setExclusionRule([this] { return exclusionApplies(); });
    connect(m_zoneGrid, &ZoneGrid::modesChanged, this, &TPanelEditor::CheckMode);
    m_timing = new TimingGroup({.systemAddress = m_panel != PanelModel::FourZone});
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
    m_codes = new AccessCodesGroup({kPanelAccessCode2, kPanelAccessCode3});
    m_sections = new SectionPages(panelSectionTable(m_panel));

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *row = new QHBoxLayout;
    row->addWidget(m_codes);
    row->addWidget(createTelephoneGroup());
    layout->addLayout(row);
    layout->addWidget(m_sections, 1);
    return page;
}

QWidget *TPanelEditor::createTelephoneGroup()
{
    auto *box = new QGroupBox(QStringLiteral("Телефонні номери"));
    auto *layout = new QVBoxLayout(box);
    const std::array<QString, 2> captions{QStringLiteral("Перший телефонний номер"),
                                          QStringLiteral("Другий телефонний номер")};
    for (std::size_t n = 0; n < m_telephones.size(); ++n) {
        m_telephones[n] = new TelephoneField({int(n) + 1, captions[n]});
        layout->addWidget(m_telephones[n]);
    }
    return box;
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

void TPanelEditor::btnBasicClick()
{
    m_basic->show();
    m_additional->hide();
}

void TPanelEditor::btnAdditionalClick()
{
    m_basic->hide();
    m_additional->show();
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
