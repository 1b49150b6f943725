#pragma once

#include "panelsettings.h"
#include "rtfreport.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The settings report of the 4-, 8- and 16-zone panel editors: an RTF document of what the
// editor's controls hold. `variant` is the editor's own variant, and `editorTitle` its title for
// that variant ("КОРВЕЛ-4П (KVL4P-2)"), which the report prints as "КОРВЕЛ - 4П (KVL4P-2)".

QByteArray panelReportRtf(PanelModel model, int variant, const QString &editorTitle,
                          const PanelSettings &settings);

// What sets one report apart from another beyond the settings, for every editor whose zone
// grid and sections are laid out as a panel's.
struct PanelReportLayout {
    PanelModel tables;              // zone grid, output columns and section fields
    QString title;                  // as printed
    bool lineFault = true;          // false: the line-fault time prints "не підтримується"
    std::optional<QString> address; // value of the system-address line; none: no such line
    int firstSectionNumber = kFirstSection;
};
QByteArray panelReportRtf(const PanelReportLayout &layout, const PanelSettings &settings);

// "KORVEL-16P.rtf", "KORVEL-8P2.rtf" to "KORVEL-8P4.rtf", "KORVEL-4P2.rtf", "KORVEL-4P4.rtf";
// the other 4- and 8-zone variants share "KORVEL-4P.rtf" and "KORVEL-8P.rtf".
QString panelReportFileName(PanelModel model, int variant);

// Writes the report into `folder` (the program's folder), replacing an earlier one.
ReportFileResult writePanelReport(const QString &folder, PanelModel model, int variant,
                                  const QString &editorTitle, const PanelSettings &settings);
