#include "systempaneleditor.h"

#include "panelsections.h"
#include "systempanelmap.h"
#include "systempanelreport.h"
#include "systemtreepage.h"
#include "testreportgroup.h"

#include <QScrollArea>

namespace {

// The 16-zone panel's grid and sections (titled from section 19), six-digit codes, no system
// address.
PanelEditorLayout editorLayout()
{
    return {Model::Korvel16_64p, PanelModel::SixteenZone, false,
            {kSystemPanelAccessCode2, kSystemPanelAccessCode3},
            panelSectionTable(PanelModel::SixteenZone, kSystemPanelFirstSection)};
}

} // namespace

TKorvelForm16_64p::TKorvelForm16_64p(Shell &shell, QWidget *parent)
    : TPanelEditor(editorLayout(), shell, parent), m_system(new SystemTreePage)
{
    m_systemArea = addPage(QStringLiteral("scrBoxPPKP"), QStringLiteral("btnPPKP"),
                           QStringLiteral("приписка ППКП"), m_system, [this] { btnPPKPClick(); });
    markChangesOf(m_system);
}

SystemPanelSettings TKorvelForm16_64p::systemPanelSettings() const
{
    return {settings(), m_system->table()};
}

void TKorvelForm16_64p::showSystemPanelSettings(const SystemPanelSettings &s)
{
    showSettings(s.panel);
    m_system->setTable(s.system);
}

void TKorvelForm16_64p::btnPPKPClick()
{
    showPage(m_systemArea);
    m_system->selectPanelIfNone();
}

QString TKorvelForm16_64p::configuratorRefusal() const
{
    return QStringLiteral("Ця опція не підтримується для КОРВЕЛ-16.64!");
}

void TKorvelForm16_64p::FillArrayByDataForEEPROM()
{
    exchange().EepromImage = encodeSystemPanelEeprom(systemPanelSettings());
}

void TKorvelForm16_64p::FillByDataFromEEPROM()
{
    SystemPanelSettings s = systemPanelSettings();
    decodeSystemPanelEeprom(exchange().EepromImage, s);
    showSettings(s.panel);
}

void TKorvelForm16_64p::FillArrayByDataForMemory()
{
    exchange().MemoryImage = encodeSystemPanelMemory(systemPanelSettings());
}

void TKorvelForm16_64p::FillByDataFromMemory()
{
    SystemPanelSettings s = systemPanelSettings();
    const MemoryDecodeReport report = decodeSystemPanelMemory(exchange().MemoryImage, s);
    showSystemPanelSettings(s);
    testReport().markAdjusted(report.testReportAdjusted);
}

void TKorvelForm16_64p::showFactorySettings()
{
    exchange().EepromImage = defaultSystemPanelEeprom();
    exchange().MemoryImage = defaultSystemPanelMemory();
    FillByDataFromEEPROM();
    FillByDataFromMemory();
}

SettingsReport TKorvelForm16_64p::PrepareToPrint()
{
    return systemPanelReport(settings());
}
