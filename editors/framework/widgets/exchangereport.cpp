#include "exchangereport.h"

#include "dialogs.h"
#include "flowjobs.h"
#include "log.h"
#include "proc.h"
#include "progress.h"
#include "shell.h"

void reportOpenFailure(Shell &shell, const LinkOutcome &outcome)
{
    shell.setStatusText(0, operationFailedStatus(outcome.operation, QStringLiteral("порт не відкрито")));
    ShowError(kErrNoReply, openErrorDetail(outcome.operation, outcome.port, outcome.openError));
}

void reportTransmitFailure(Shell &shell, const LinkOutcome &outcome)
{
    const ExchangeFailure failure = outcome.failure.value_or(ExchangeFailure{});
    WriteLog(QStringLiteral("Обмін зупинено (%1): %2").arg(operationName(outcome.operation), causeText(failure)),
             QStringLiteral("exchange"), QStringLiteral("reportTransmitFailure"));
    shell.setStatusText(0, QStringLiteral("Виникла помилка при передачі даних"));
    dialogs().showMessage(Dialogs::Kind::Error, transmitErrorText(outcome.operation),
                          transmitErrorDetail(outcome.operation, outcome.port, failure));
}

void reportCancel(Shell &shell, const LinkOutcome &outcome)
{
    shell.setStatusText(0, cancelledStatus(outcome.operation));
    dialogs().showMessage(Dialogs::Kind::Information,
                          cancelledText(outcome.operation, outcome.cancel.value_or(ExchangeCancel{})));
}

void showElapsed(Shell &shell, const FlowResult &result)
{
    shell.setStatusText(1, QStringLiteral("Time execute   %1 ms").arg(result.elapsedMs));
}

bool reportStopped(Shell &shell, const FlowResult &result, const std::function<void()> &beforeBox)
{
    using Status = FlowResult::Status;
    if (result.status != Status::PortNotOpened && result.status != Status::Failed
        && result.status != Status::Cancelled)
        return false;
    if (TProgressForm::instance())
        shell.EndAnimation();
    if (result.status != Status::PortNotOpened)
        showElapsed(shell, result);
    if (beforeBox)
        beforeBox();
    switch (result.status) {
    case Status::PortNotOpened: reportOpenFailure(shell, result.link); break;
    case Status::Failed: reportTransmitFailure(shell, result.link); break;
    default: reportCancel(shell, result.link); break;
    }
    return true;
}

void reportSuccess(Shell &shell, const FlowResult &result)
{
    showElapsed(shell, result);
    shell.setStatusText(0, QStringLiteral("Обмін даними пройшов успішно"));
    shell.EndAnimation();
}
