#pragma once

#include "commissioningrecord.h"

// Writes the record as an RTF file and a PDF beside it in `folder`, under the record's
// own name; a name already taken gets " (2)", " (3)", ... so that nothing is overwritten.
// The paths written, or an empty list when a file could not be written.
QStringList writeCommissioningRecord(const QString &folder, const CommissioningRecord &record);

// Asks for the folder (the documents folder first) and writes the record there: the line for
// the status bar that names the file written; empty when the user cancelled or the files
// could not be written (said in a box).
QString saveCommissioningRecord(const CommissioningRecord &record);
