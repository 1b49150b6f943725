#pragma once

#include "commissioningrecord.h"

// Writes the record as an RTF file and a PDF beside it in `folder`, under the record's
// own name; a name already taken gets " (2)", " (3)", ... so that nothing is overwritten.
// The paths written, or an empty list when a file could not be written.
QStringList writeCommissioningRecord(const QString &folder, const CommissioningRecord &record);
