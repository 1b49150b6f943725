#pragma once

#include "rtfreport.h"

// Opens a report written beside the program in the system's RTF viewer, for printing; a
// report that could not be written shows message 9 instead.
void openReport(const ReportFileResult &result);
