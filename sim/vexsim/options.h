#pragma once

#include "faultplan.h"

#include <QString>
#include <QStringList>
#include <optional>

inline constexpr quint8 kDefaultTypeCode = 30; // the 16-zone panel

// What the command line asks of vexsim.
struct VexsimOptions {
    std::optional<quint8> typeCode; // from --model; else the loaded file's, else the 16-zone panel's
    std::optional<quint8> variant;  // from --variant; else the loaded file's, else the model's first
    bool configurator = true;
    int baudRate = 0; // 0: no pacing
    QString loadFile;
    QString saveFile;
    FaultPlan faults;
    bool verbose = false;
};

struct ParsedOptions {
    std::optional<VexsimOptions> options;
    QString error;    // a bad option, when there are no options
    QString helpText; // --help was given: show this and stop
};

ParsedOptions parseOptions(const QStringList &arguments);

// The first variant the model accepts; 0 for a type code that has no model name.
quint8 defaultVariant(quint8 typeCode);
