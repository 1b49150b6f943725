#include "exchangereport.h"

#include "flowjobs.h"
#include "log.h"
#include "proc.h"
#include "progress.h"
#include "shell.h"

namespace {

using Status = FlowResult::Status;

void noteTransmitFailure(Shell &shell, const LinkOutcome &outcome)
{
    WriteLog(QStringLiteral("Обмін зупинено (%1): %2")
                 .arg(operationName(outcome.operation), causeText(outcome.failure.value_or(ExchangeFailure{}))),
             QStringLiteral("exchange"), QStringLiteral("reportTransmitFailure"));
    shell.setStatusText(0, QStringLiteral("Виникла помилка при передачі даних"));
}

} // namespace

bool stoppedShort(const FlowResult &result)
{
    return result.status == Status::PortNotOpened || result.status == Status::Failed
           || result.status == Status::Cancelled;
}

void noteStopped(Shell &shell, const FlowResult &result, const std::function<void()> &beforeBox)
{
    if (TProgressForm::instance())
        shell.EndAnimation();
    const LinkOutcome &outcome = result.link;
    switch (result.status) {
    case Status::PortNotOpened:
        shell.setStatusText(0, operationFailedStatus(outcome.operation, QStringLiteral("порт не відкрито")));
        break;
    case Status::Failed:
        showElapsed(shell, result);
        noteTransmitFailure(shell, outcome);
        break;
    default:
        showElapsed(shell, result);
        shell.setStatusText(0, cancelledStatus(outcome.operation));
        break;
    }
    if (beforeBox)
        beforeBox();
}

Dialogs::ButtonBox stoppedBox(const FlowResult &result)
{
    const LinkOutcome &outcome = result.link;
    switch (result.status) {
    case Status::PortNotOpened:
        return {Dialogs::Kind::Error, errorText(kErrNoReply),
                openErrorDetail(outcome.operation, outcome.port, outcome.openError), {}};
    case Status::Failed:
        return {Dialogs::Kind::Error, transmitErrorText(outcome.operation),
                transmitErrorDetail(outcome.operation, outcome.port, outcome.failure.value_or(ExchangeFailure{})), {}};
    default: break;
    }
    return {Dialogs::Kind::Information, cancelledText(outcome.operation, outcome.cancel.value_or(ExchangeCancel{})),
            QString(), {}};
}

bool reportStopped(Shell &shell, const FlowResult &result, const std::function<void()> &beforeBox)
{
    if (!stoppedShort(result))
        return false;
    noteStopped(shell, result, beforeBox);
    const Dialogs::ButtonBox box = stoppedBox(result);
    dialogs().showMessage(box.kind, box.text, box.detail);
    return true;
}

void showElapsed(Shell &shell, const FlowResult &result)
{
    shell.setStatusText(1, QStringLiteral("Time execute   %1 ms").arg(result.elapsedMs));
}

void reportSuccess(Shell &shell, const FlowResult &result)
{
    showElapsed(shell, result);
    shell.setStatusText(0, QStringLiteral("Обмін даними пройшов успішно"));
    shell.EndAnimation();
}
