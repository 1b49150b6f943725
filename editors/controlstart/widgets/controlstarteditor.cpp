// 2/4 editor: the window assembled from the parts, and the rules that tie them together.
#include "controlstarteditor.h"

#include "accesscodesgroup.h"
#include "clockgroup.h"
#include "controlstartcodec.h"
#include "directiongroup.h"
#include "sectionpages.h"
#include "partcontrols.h"
#include "telephonegroup.h"
#include "testreportgroup.h"
#include "timinggroup.h"
#include "zonegrid.h"

#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace controlstart;

namespace {

// Outputs "ОПОВ", "РЕЛ 1" and "РЕЛ 2" are the columns C, D and E of the zone grid; the
// indicators show while no zone switches relay 1 or relay 2.
ZoneGridConfig zoneGridConfig()
{
    ZoneGridConfig config;
    config.zones = {kFirstZone, kLastZone};
    config.columns = {{2, QStringLiteral("ОПОВ")}, {3, QStringLiteral("РЕЛ 1")}, {4, QStringLiteral("РЕЛ 2")}};
    config.indicators = {{3, QStringLiteral("Загальна несправність"), QStringLiteral("lbCommonFault")},
                         {4, QStringLiteral("Загальна пожежа"), QStringLiteral("lbCommonFire")}};
    return config;
}

QPushButton *pageButton(const QString &text, const QString &name)
{
    auto *button = new QPushButton(text);
    button->setObjectName(name);
    return button;
}

} // namespace

TPKorvelForm24::TPKorvelForm24(Shell &shell, QWidget *parent) : TDeviceEditor(Model::PKorvel24, shell, parent)
{
    m_basic = createScrolledPage(createBasicPage(), QStringLiteral("scrBoxBasic"));
    m_additional = createScrolledPage(createAdditionalPage(), QStringLiteral("scrBoxAdditional"));
    m_messages = new QTextEdit;
    m_messages->setObjectName(QStringLiteral("reMessages"));
    m_messages->setReadOnly(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createPageButtons());
    for (QWidget *page : {static_cast<QWidget *>(m_basic), static_cast<QWidget *>(m_additional),
                          static_cast<QWidget *>(m_messages)})
        layout->addWidget(page, 1);
    btnBasicClick();
    connectChangeMarks();
    CheckMode();
}

QWidget *TPKorvelForm24::createPageButtons()
{
    auto *buttons = new QWidget;
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    QPushButton *basic = pageButton(QStringLiteral("Основні функції"), QStringLiteral("btnBasic"));
    QPushButton *additional = pageButton(QStringLiteral("додаткові функції"), QStringLiteral("btnAdditional"));
    QPushButton *messages = pageButton(QStringLiteral("Сповіщення"), QStringLiteral("btnMessages"));
    connect(basic, &QPushButton::clicked, this, &TPKorvelForm24::btnBasicClick);
    connect(additional, &QPushButton::clicked, this, &TPKorvelForm24::btnAdditionalClick);
    connect(messages, &QPushButton::clicked, this, &TPKorvelForm24::btnMessagesClick);
    row->addWidget(basic);
    row->addWidget(additional);
    row->addWidget(messages);
    row->addStretch();
    return buttons;
}

QWidget *TPKorvelForm24::createBasicPage()
{
    m_zoneGrid = new ZoneGrid(zoneGridConfig());
    connect(m_zoneGrid, &ZoneGrid::modesChanged, this, &TPKorvelForm24::CheckMode);
    m_timing = new TimingGroup({});
    m_clock = new ClockGroup;

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_zoneGrid);
    auto *directions = new QHBoxLayout;
    for (std::size_t d = 0; d < m_directions.size(); ++d) {
        m_directions[d] = new DirectionGroup(int(d) + 1);
        directions->addWidget(m_directions[d]);
    }
    layout->addLayout(directions);
    auto *row = new QHBoxLayout;
    row->addWidget(m_timing);
    row->addWidget(m_clock);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QWidget *TPKorvelForm24::createAdditionalPage()
{
    m_codes = new AccessCodesGroup({kAccessCode2, kAccessCode3});
    m_testReport = new TestReportGroup;
    m_sections = new SectionPages(sectionTable());

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *row = new QHBoxLayout;
    row->addWidget(m_codes);
    m_telephones = new TelephoneGroup;
    row->addWidget(m_telephones);
    layout->addLayout(row);
    layout->addWidget(m_testReport);
    layout->addWidget(m_sections, 1);
    return page;
}

void TPKorvelForm24::connectChangeMarks()
{
    markChangesOf(m_zoneGrid);
    for (DirectionGroup *direction : m_directions)
        markChangesOf(direction);
    markChangesOf(m_timing);
    markChangesOf(m_clock);
    markChangesOf(m_testReport);
    markChangesOf(m_codes);
    markChangesOf(m_telephones);
    markChangesOf(m_sections);
}

void TPKorvelForm24::CheckMode()
{
    m_timing->setCoincidenceEnabled(m_zoneGrid->anyZoneInMode(kModeOneDetector));
}

void TPKorvelForm24::showPage(QWidget *page)
{
    for (QWidget *each : {static_cast<QWidget *>(m_basic), static_cast<QWidget *>(m_additional),
                          static_cast<QWidget *>(m_messages)})
        each->setVisible(each == page);
}

void TPKorvelForm24::btnBasicClick()
{
    showPage(m_basic);
}

void TPKorvelForm24::btnAdditionalClick()
{
    showPage(m_additional);
}

void TPKorvelForm24::btnMessagesClick()
{
    showPage(m_messages);
}
