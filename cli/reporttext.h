#pragma once

#include <QJsonArray>

#include "reportdocument.h"
#include "settingsfile.h"

#include <QStringList>

// The settings report of a settings file, as the model's editor prints it.
SettingsReport settingsReportOf(const settingsfile::Contents &file);
// The blocks as JSON: [{"headings": [...], "rows": [[...], ...]}, ...].
QJsonArray reportJson(const SettingsReport &report);
// The same, cut to the settings that differ from the model's factory settings.
SettingsReport changedSettingsReportOf(const settingsfile::Contents &file);

// The report as plain text: the title, then each block, tables in aligned columns.
QStringList reportText(const SettingsReport &report);
