#pragma once

#include "gsmsettings.h"
#include "reportdocument.h"

// The settings reports of the GSM module (titled "ZMU-GSM") and the GSM.4 module (titled as
// the editor: "ЗМУ-GSM.4", "ЗМУ-С112.4").

SettingsReport gsmReport(const GsmSettings &settings);
SettingsReport gsm4Report(const QString &title, Gsm4Variant variant, const Gsm4Settings &settings);
