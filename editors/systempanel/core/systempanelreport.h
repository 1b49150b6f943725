#pragma once

#include "panelreport.h"
#include "settingfields.h"
#include "systempanelcodec.h"

// The settings report of the 16.64P editor: the 16-zone panel's report with its own title,
// no system-address line and the sections numbered 19 to 46; and the same settings as named
// fields, the system table included.

const PanelReportLayout &systemPanelReportLayout();
SettingsReport systemPanelReport(const PanelSettings &settings);
QList<SettingField> systemPanelSettingFields(const SystemPanelSettings &settings);
