#pragma once

#include "gsmsettings.h"
#include "rtfreport.h"

// The settings reports of the GSM module ("ZMU-GSM.rtf") and the GSM.4 module (named after
// the editor's title: "ЗМУ-GSM.4.rtf", "ЗМУ-С112.4.rtf").

QByteArray gsmReportRtf(const GsmSettings &settings);
ReportFileResult writeGsmReport(const QString &folder, const GsmSettings &settings);

QByteArray gsm4ReportRtf(const QString &title, Gsm4Variant variant, const Gsm4Settings &settings);
ReportFileResult writeGsm4Report(const QString &folder, const QString &title, Gsm4Variant variant,
                                 const Gsm4Settings &settings);
QString gsm4ReportFileName(const QString &title);
