#pragma once

#include "panelreport.h"
#include "panelsettings.h"
#include "settingfields.h"

// A panel's settings as named fields, valued as the report prints them. `variant` is the
// editor's variant (it decides which times and the system address the panel has).
QList<SettingField> panelSettingFields(PanelModel model, int variant, const PanelSettings &settings);
// The same for an editor laid out as a panel (the times and the address it has, its section
// numbering).
QList<SettingField> panelSettingFields(const PanelReportLayout &layout, const PanelSettings &settings);
