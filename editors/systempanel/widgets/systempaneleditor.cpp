#include "systempaneleditor.h"

#include "systempanelmap.h"
#include "systempanelreport.h"
#include "systemtreepage.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollArea>

namespace {

const PanelEditorLayout kLayout{Model::Korvel16_64p, PanelModel::SixteenZone, false, kAccessCodeDigits,
                                kSystemPanelFirstSection};

} // namespace

TKorvelForm16_64p::TKorvelForm16_64p(Shell &shell, QWidget *parent)
    : TPanelEditor(kLayout, shell, parent), m_system(new SystemTreePage)
{
    m_systemArea = addPage(QStringLiteral("scrBoxPPKP"), QStringLiteral("btnPPKP"),
                           QStringLiteral("приписка ППКП"), m_system, [this] { m_system->selectPanelIfNone(); });
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
    const SystemPanelEepromReport report = decodeSystemPanelEeprom(exchange().EepromImage, s);
    showSettings(s.panel);
    markAdjusted(findChild<QLineEdit *>(QStringLiteral("edCode2")), report.accessCodeAdjusted[0]);
    markAdjusted(findChild<QLineEdit *>(QStringLiteral("edCode3")), report.accessCodeAdjusted[1]);
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
    markTestReport(report);
}

void TKorvelForm16_64p::showFactorySettings()
{
    exchange().EepromImage = defaultSystemPanelEeprom();
    exchange().MemoryImage = defaultSystemPanelMemory();
    FillByDataFromEEPROM();
    FillByDataFromMemory();
}

void TKorvelForm16_64p::PrepareToPrint()
{
    openReport(writeSystemPanelReport(QCoreApplication::applicationDirPath(), settings()));
}
