#pragma once

#include "reportdocument.h"

// The report cut to the settings that differ from the factory's: `factory` is the same model's
// report of its factory settings, block for block. A row that reads as the factory's goes; a
// block left without rows goes too.
SettingsReport changedSettings(const SettingsReport &report, const SettingsReport &factory);
