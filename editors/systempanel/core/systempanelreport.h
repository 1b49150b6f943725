#pragma once

#include "panelsettings.h"
#include "rtfreport.h"

// The settings report of the 16.64P editor: the 16-zone panel's report with its own title,
// no system-address line and the sections numbered 19 to 46.

inline const QString kSystemPanelReportFile = QStringLiteral("KORVEL-16.64P.rtf");

QByteArray systemPanelReportRtf(const PanelSettings &settings);
ReportFileResult writeSystemPanelReport(const QString &folder, const PanelSettings &settings);
