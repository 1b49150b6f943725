#pragma once

#include "controlstartsettings.h"
#include "reportdocument.h"
#include "settingfields.h"

#include <QByteArray>
#include <QString>

// The settings report of the control-and-start device, laid out as the panels' reports:
// zones 5 to 8 with detector type, mode and the three outputs, the two directions, the
// times, the test message, the codes and the 20 sections.
namespace controlstart {

inline const QString kReportTitle = QStringLiteral("ПУіЗ КОРВЕЛ - 2/4 (KVL24-1)");

QStringList supplyItems(); // cbVoltage1, cbVoltage2

SettingsReport report(const Settings &settings);

// The settings as named fields, valued as the report prints them (the clock is no setting).
QList<SettingField> settingFields(const Settings &settings);

} // namespace controlstart
