// 2/4 editor: controls to settings and the memory image, and the report.
#include "controlstarteditor.h"

#include "accesscodesgroup.h"
#include "clockgroup.h"
#include "controlstartcodec.h"
#include "controlstartreport.h"
#include "dialogs.h"
#include "directiongroup.h"
#include "proc.h"
#include "sectionpages.h"
#include "shell.h"
#include "telephonegroup.h"
#include "testreportgroup.h"
#include "timinggroup.h"
#include "zonegrid.h"


using namespace controlstart;

Settings TPKorvelForm24::settings() const
{
    Settings s;
    m_zoneGrid->store(s.zones);
    for (std::size_t d = 0; d < m_directions.size(); ++d)
        s.directions[d] = m_directions[d]->value();
    QString noAddress;
    m_timing->store(s.times, noAddress);
    s.clock = m_clock->value();
    m_testReport->store(s.testReport);
    m_codes->store(s.accessCode2, s.accessCode3, s.objectNumbers);
    s.telephones = m_telephones->value();
    m_sections->store(s.sectionFields, s.lists);
    return s;
}

void TPKorvelForm24::showSettings(const Settings &s)
{
    m_zoneGrid->load(s.zones);
    for (std::size_t d = 0; d < m_directions.size(); ++d)
        m_directions[d]->load(s.directions[d]);
    m_timing->load(s.times, QString());
    m_clock->load(s.clock);
    m_testReport->load(s.testReport);
    m_codes->load(s.accessCode2, s.accessCode3, s.objectNumbers);
    m_telephones->load(s.telephones);
    m_sections->load(s.sectionFields, s.lists);
}

// The device has no EEPROM image.
void TPKorvelForm24::FillArrayByDataForEEPROM()
{
    exchange().EepromImage.clear();
}

void TPKorvelForm24::FillArrayByDataForMemory()
{
    exchange().MemoryImage = encodeMemory(settings(), QDateTime::currentDateTime());
}

void TPKorvelForm24::FillByDataFromMemory()
{
    Settings s = settings();
    const TestReportAdjusted adjusted = decodeMemory(exchange().MemoryImage, QDateTime::currentDateTime(), s);
    showSettings(s);
    m_testReport->markAdjusted(adjusted);
}

// An image of zeros: no outputs, open detectors without coincidence, 24 V supplies, no
// release control, empty codes; the clock group keeps what it shows.
void TPKorvelForm24::ResetToDefault()
{
    FillingControlsGuard filling(exchange());
    exchange().EepromImage.clear();
    exchange().MemoryImage = QByteArray(memorySize(), '\0');
    FillByDataFromMemory();
}

SettingsReport TPKorvelForm24::PrepareToPrint()
{
    return report(settings());
}
