#pragma once

#include "commandresult.h"
#include "exchangeflow.h"
#include "registry.h"
#include "settingsfile.h"

#include <variant>

class Session;

// What several commands share: the settings file, the device's model and whether the device
// takes a file's settings.

using SettingsFileOrStop = std::variant<settingsfile::Contents, CommandResult>;
SettingsFileOrStop loadSettingsFile(const QString &path);

SettingsImages imagesOf(const settingsfile::Contents &file);

// The identified model with the variant an editor takes for it.
using ModelOrStop = std::variant<Identified, CommandResult>;
ModelOrStop identifyModel(Session &session, const Operation &operation);
// A (type, variant) pair the program reads and writes; `where` names it ("the device").
ModelOrStop supportedModel(const DeviceIdentity &identity, const QString &where);

// Identifies the device: the variant the file's settings are written with into it, or a
// refusal (exit 4) when the device is another model or its firmware cannot take them.
using VariantOrStop = std::variant<quint8, CommandResult>;
VariantOrStop identifyFor(Session &session, const Operation &operation, const settingsfile::Contents &file,
                          const QString &path);

// Runs the read and saves what it read as a settings file of the model found (recording the
// variant found), cut to the model's sizes. `source` names what was read ("the device").
CommandResult readIntoFile(Session &session, const ReadJob &job, const Identified &found, const QString &source,
                           const QString &path);

// An operation of the flow that needs nothing but its end: `doneText` when it is done.
CommandResult runPlain(Session &session, bool (ExchangeFlow::*start)(ExchangeFlow::Done), const QString &doneText);

// A write of `sent` (held for `heldVariant`) with `plan`, read back unless `check` is false.
WriteJob writeJobOf(const Operation &operation, const TransferPlan &plan, const SettingsImages &sent,
                    quint8 heldVariant, const DeviceDefinition &definition, bool check);

// The end of a write that went through to `target` ("the device"): written, checked, or
// read back otherwise than written (exit 1, the differences listed).
CommandResult writeOutcome(const FlowResult &written, const QString &target);

// The "model", "typeCode" and "variant" of a result.
void describeDevice(CommandResult &result, quint8 typeCode, quint8 variant);
QJsonObject deviceFields(quint8 typeCode, quint8 variant);
