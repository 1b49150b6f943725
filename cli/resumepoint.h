#pragma once

#include "devicedefinition.h"

#include <QString>
#include <optional>

// Where a device write that was cut goes on: kept in a small JSON file in the user's data
// folder until the write completes, so that `vexctl write FILE --resume` can go on in a
// later run. Only a write of the same file bytes to the same port may take it.
struct ResumePoint {
    QString file;   // absolute path
    QString sha256; // of the file's bytes, hex
    QString port;
    int from = 0;   // requests of the write the device has taken
    // What the device held when the write was cut to what differed; nothing: it went whole.
    std::optional<SettingsImages> cutAgainst = std::nullopt;

    friend bool operator==(const ResumePoint &, const ResumePoint &) = default;
};

namespace resumepoint {

QString statePath();
// The stored point; nothing when there is none or the state file is not one we wrote.
std::optional<ResumePoint> load();
bool store(const ResumePoint &point);
void clear();
// The hex SHA-256 of the file's bytes; empty when it cannot be read.
QString hashOfFile(const QString &path);

} // namespace resumepoint
