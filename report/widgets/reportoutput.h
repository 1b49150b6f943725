#pragma once

#include "reportdocument.h"

#include <optional>

// A settings report read and printed on any machine, through Qt's print support rather than
// an RTF viewer: laid out on A4 pages from its HTML.

// Writes `html` as a PDF completely or not at all.
bool writeHtmlPdf(const QString &path, const QString &html, const QString &title);
bool writeReportPdf(const QString &path, const SettingsReport &report);

// The print preview of the report, from which the user prints it. With `factory` (the same
// model's report of its factory settings) a check box "Лише змінені налаштування" shows only
// the settings that differ from it.
void previewReport(const SettingsReport &report, const std::optional<SettingsReport> &factory = std::nullopt);
