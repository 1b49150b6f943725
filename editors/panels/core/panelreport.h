#pragma once

#include "panelsettings.h"
#include "settingsreport.h"

#include <QByteArray>
#include <QString>

// The settings report of the 4-, 8- and 16-zone panel editors: an RTF document of what the
// editor's controls hold. `variant` is the editor's own variant, and `editorTitle` its title for
// that variant ("КОРВЕЛ-4П (KVL4P-2)"), which the report prints as "КОРВЕЛ - 4П (KVL4P-2)".

// What the firmware of a variant has: the line-fault time, the system address.
bool panelLineFaultSupported(PanelModel model, int variant);
bool panelAddressSupported(PanelModel model, int variant);

QByteArray panelReportRtf(PanelModel model, int variant, const QString &editorTitle,
                          const PanelSettings &settings);

// What sets one report (and its named fields) apart from another beyond the settings, for
// every editor whose zone grid and sections are laid out as a panel's.
enum class AddressLine { None, NotSupported, Shown };
struct PanelReportLayout {
    PanelModel tables;     // zone grid, output columns and section fields
    QString title;         // as printed
    bool lineFault = true; // false: the firmware has no line-fault time
    AddressLine address = AddressLine::None;
    int firstSectionNumber = kFirstSection;
};
PanelReportLayout panelReportLayout(PanelModel model, int variant, const QString &editorTitle);
QByteArray panelReportRtf(const PanelReportLayout &layout, const PanelSettings &settings);

// "KORVEL-16P.rtf", "KORVEL-8P2.rtf" to "KORVEL-8P4.rtf", "KORVEL-4P2.rtf", "KORVEL-4P4.rtf";
// the other 4- and 8-zone variants share "KORVEL-4P.rtf" and "KORVEL-8P.rtf".
QString panelReportFileName(PanelModel model, int variant);

// Writes the report into `folder` (the program's folder), replacing an earlier one.
ReportFileResult writePanelReport(const QString &folder, PanelModel model, int variant,
                                  const QString &editorTitle, const PanelSettings &settings);
