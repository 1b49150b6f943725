#pragma once

#include "archivetypes.h"

#include <optional>

// The texts that stand for event kinds and outcomes in the database. They are part of the
// schema: never rename one, add new ones only together with a migration.
QString eventKindCode(EventKind kind);
std::optional<EventKind> eventKindFromCode(const QString &code);

QString outcomeCode(EventOutcome outcome);
std::optional<EventOutcome> outcomeFromCode(const QString &code);
