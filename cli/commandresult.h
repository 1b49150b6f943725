#pragma once

#include "flowjobs.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace exitcode {
inline constexpr int kDone = 0;
inline constexpr int kDiffers = 1;       // a check or comparison found differences
inline constexpr int kBadInput = 2;      // bad usage, or a bad or missing file
inline constexpr int kPortNotOpened = 3;
inline constexpr int kNotDone = 4;       // the exchange failed, the device was refused, a question said no
inline constexpr int kCancelled = 5;     // Ctrl+C
} // namespace exitcode

// What a command ends with: its exit code, the text for standard output, a one-line message
// for standard error, and the same as one JSON object for --json.
struct CommandResult {
    int exitCode = exitcode::kDone;
    QString result = QStringLiteral("done"); // the JSON "result"
    QStringList lines{};                     // standard output, without --json
    QString message{};                       // standard error, one line
    QJsonObject details{};                   // further JSON members
};

CommandResult badInput(const QString &message);
CommandResult notDone(const QString &result, const QString &message);

// The result of an operation of the flow that ended otherwise than done (or with
// differences): why, and for a write the target took part of, that it holds part of it.
// `what` names the operation in the message when its operation does not ("identifying the
// device"). Nothing for an operation that ended done or with differences.
std::optional<CommandResult> stopOf(const FlowResult &result, const QString &what = QString());

// The differences as text lines ("Group / Name: first -> second") and as JSON.
QStringList differenceLines(const QList<FieldDifference> &list, const QString &firstLabel,
                            const QString &secondLabel);
QJsonArray differenceArray(const QList<FieldDifference> &list, const QString &firstKey, const QString &secondKey);

// Prints the result: text and message, or one JSON object with `command` and `port`.
void printResult(const CommandResult &result, const QString &command, const QString &port, bool json);
