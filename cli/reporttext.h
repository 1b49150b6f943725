#pragma once

#include "reportdocument.h"
#include "settingsfile.h"

#include <QStringList>

// The settings report of a settings file, as the model's editor prints it.
SettingsReport settingsReportOf(const settingsfile::Contents &file);

// The report as plain text: the title, then each block, tables in aligned columns.
QStringList reportText(const SettingsReport &report);
