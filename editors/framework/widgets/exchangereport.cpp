#include "exchangereport.h"

#include "dialogs.h"
#include "proc.h"
#include "shell.h"

void reportOpenFailure(Shell &shell, const LinkOutcome &outcome)
{
    shell.setStatusText(0, operationFailedStatus(outcome.operation, QStringLiteral("порт не відкрито")));
    ShowError(kErrNoReply, openErrorDetail(outcome.operation, outcome.port, outcome.openError));
}

void reportTransmitFailure(Shell &shell, const LinkOutcome &outcome)
{
    shell.setStatusText(0, QStringLiteral("Виникла помилка при передачі даних"));
    dialogs().showMessage(Dialogs::Kind::Error, transmitErrorText(outcome.operation),
                          transmitErrorDetail(outcome.operation, outcome.port,
                                              outcome.failure.value_or(ExchangeFailure{})));
}

void reportCancel(Shell &shell, const LinkOutcome &outcome)
{
    shell.setStatusText(0, cancelledStatus(outcome.operation));
    dialogs().showMessage(Dialogs::Kind::Information,
                          cancelledText(outcome.operation, outcome.cancel.value_or(ExchangeCancel{})));
}
