#include "commandresult.h"

#include "clitexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

namespace {

QString partialNote(const Operation &operation)
{
    switch (operation.kind) {
    case Operation::Kind::WriteSlot:
        return QStringLiteral("configurator slot %1 may now hold part of the new settings").arg(operation.slot);
    case Operation::Kind::FirmwareToDevice:
    case Operation::Kind::FirmwareToConfigurator: return QStringLiteral("the firmware written is incomplete");
    default: return QStringLiteral("the device may now hold part of the new settings");
    }
}

void addPartialWrite(CommandResult &stop, const Operation &operation, bool partial)
{
    stop.details.insert(QStringLiteral("partialWrite"), partial);
    if (partial)
        stop.message += QStringLiteral("; ") + partialNote(operation);
}

CommandResult failed(const LinkOutcome &link, const QString &what)
{
    const ExchangeFailure &failure = *link.failure;
    CommandResult stop = notDone(QStringLiteral("failed"), QStringLiteral("%1: %2 to request %3 of %4")
                                                               .arg(what, causeText(failure.cause))
                                                               .arg(failure.request)
                                                               .arg(failure.total));
    stop.details.insert(QStringLiteral("cause"), causeKey(failure.cause));
    stop.details.insert(QStringLiteral("request"), failure.request);
    stop.details.insert(QStringLiteral("requests"), failure.total);
    addPartialWrite(stop, link.operation, failure.writesAcknowledged);
    return stop;
}

CommandResult cancelled(const LinkOutcome &link, const QString &what)
{
    if (!link.cancel)
        return {.exitCode = exitcode::kCancelled, .result = QStringLiteral("cancelled"),
                .message = QStringLiteral("cancelled before anything was sent")};
    const ExchangeCancel &cancel = *link.cancel;
    CommandResult stop{.exitCode = exitcode::kCancelled, .result = QStringLiteral("cancelled"),
                       .message = QStringLiteral("%1: cancelled after %2 of %3 requests")
                                      .arg(what)
                                      .arg(cancel.answered)
                                      .arg(cancel.total)};
    stop.details.insert(QStringLiteral("answered"), cancel.answered);
    stop.details.insert(QStringLiteral("requests"), cancel.total);
    addPartialWrite(stop, link.operation, cancel.writesAcknowledged);
    return stop;
}

} // namespace

CommandResult badInput(const QString &message)
{
    return {.exitCode = exitcode::kBadInput, .result = QStringLiteral("bad-input"), .message = message};
}

CommandResult notDone(const QString &result, const QString &message)
{
    return {.exitCode = exitcode::kNotDone, .result = result, .message = message};
}

std::optional<CommandResult> stopOf(const FlowResult &result, const QString &what)
{
    const QString name = what.isEmpty() ? operationText(result.link.operation) : what;
    switch (result.status) {
    case FlowResult::Status::Done:
    case FlowResult::Status::Differs: return std::nullopt;
    case FlowResult::Status::PortNotOpened:
        return CommandResult{.exitCode = exitcode::kPortNotOpened, .result = QStringLiteral("port-not-opened"),
                             .message = QStringLiteral("cannot open port %1: %2").arg(result.link.port, result.link.openError)};
    case FlowResult::Status::Failed:
        if (result.link.failure)
            return failed(result.link, name);
        break;
    case FlowResult::Status::Cancelled: return cancelled(result.link, name);
    case FlowResult::Status::Declined: break;
    }
    return notDone(QStringLiteral("declined"), QStringLiteral("%1: not done").arg(name));
}

QStringList differenceLines(const QList<FieldDifference> &list, const QString &firstLabel, const QString &secondLabel)
{
    QStringList lines;
    for (const FieldDifference &d : list)
        lines << QStringLiteral("%1 / %2: %3 %4, %5 %6").arg(d.group, d.name, firstLabel, d.first, secondLabel, d.second);
    return lines;
}

QJsonArray differenceArray(const QList<FieldDifference> &list, const QString &firstKey, const QString &secondKey)
{
    QJsonArray array;
    for (const FieldDifference &d : list)
        array.append(QJsonObject{{QStringLiteral("group"), d.group},
                                 {QStringLiteral("name"), d.name},
                                 {firstKey, d.first},
                                 {secondKey, d.second}});
    return array;
}

void printResult(const CommandResult &result, const QString &command, const QString &port, bool json)
{
    if (!result.message.isEmpty())
        std::fprintf(stderr, "vexctl: %s\n", result.message.toLocal8Bit().constData());
    if (!json) {
        for (const QString &line : result.lines)
            std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
        return;
    }
    QJsonObject object = result.details;
    object.insert(QStringLiteral("command"), command);
    object.insert(QStringLiteral("result"), result.result);
    object.insert(QStringLiteral("exitCode"), result.exitCode);
    if (!port.isEmpty())
        object.insert(QStringLiteral("port"), port);
    if (!result.message.isEmpty())
        object.insert(QStringLiteral("message"), result.message);
    std::fprintf(stdout, "%s\n", QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
}
