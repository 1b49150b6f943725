#pragma once

#include "archiveerror.h"
#include "exchangeoutcome.h"
#include "hexrecord.h"
#include "settingsfile.h"

#include <QString>

// vexctl's own English texts for what the core reports as values. The program's windows
// keep their Ukrainian texts; nothing here is shown by them.

// "writing the device", "reading configurator slot 2", ...
QString operationText(const Operation &operation);
// "no reply", "bad checksum", "wrong answer"
QString causeText(ExchangeFailure::Cause cause);
// Machine-readable forms for --json: "no-reply", ...
QString causeKey(ExchangeFailure::Cause cause);

// "FILE: the file is 30 bytes, a 16-zone panel's holds 542"
QString settingsFileFault(const QString &path, const settingsfile::Failure &failure);
// "line 3: bad checksum 0x1F, the bytes need 0x2E"
QString hexErrorLine(const HexError &error);

// "16-zone panel", "GSM.4 module"; the model of a type code the program does not know is
// named by its code.
QString modelName(Model model);
QString deviceText(quint8 typeCode, quint8 variant);

// "the archive is damaged (file is not a database)": the archive's reason in English, with the
// database's or the system's own words.
QString archiveErrorText(const ArchiveError &error);
