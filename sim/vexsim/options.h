#pragma once

#include "faultplan.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks of vexsim.
struct VexsimOptions {
    std::optional<quint8> typeCode; // --model; nothing: the loaded file's, else the 16-zone panel's
    std::optional<quint8> variant;  // --variant; nothing: the loaded file's, else the model's first
    bool configurator = true;
    int baudRate = 0; // 0: no pacing
    int adapterLatencyMs = 0; // --latency: a USB adapter's latency timer on the reply path
    QString loadFile;
    QString saveFile;
    FaultPlan faults;
    int flippedWrite = 0; // --flip-write: the write whose first stored byte is spoilt; 0 none
    bool verbose = false;
};

struct ParsedOptions {
    std::optional<VexsimOptions> options;
    QString error;    // a bad option, when there are no options
    QString helpText; // --help was given: show this and stop
};

ParsedOptions parseOptions(const QStringList &arguments);
