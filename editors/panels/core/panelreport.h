#pragma once

#include "panelsettings.h"
#include "settingsreport.h"

#include <QByteArray>
#include <QString>

// The settings report of the 4-, 8- and 16-zone panel editors: what the
// editor's controls hold. `variant` is the editor's own variant, and `editorTitle` its title for
// that variant ("КОРВЕЛ-4П (KVL4P-2)"), which the report prints as "КОРВЕЛ - 4П (KVL4P-2)".

// What the firmware of a variant has: the line-fault time, the system address.
bool panelLineFaultSupported(PanelModel model, int variant);
bool panelAddressSupported(PanelModel model, int variant);

SettingsReport panelReport(PanelModel model, int variant, const QString &editorTitle, const PanelSettings &settings);

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
SettingsReport panelReport(const PanelReportLayout &layout, const PanelSettings &settings);
