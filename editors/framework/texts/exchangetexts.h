#pragma once

#include "exchangeoutcome.h"

#include <QString>
#include <QStringList>

class QTime;

// The Ukrainian words for what an exchange did: the program's boxes, status bar and log say
// them; the link and the exchange flow only give the values.

// "зчитування з приладу", "запис у конфігуратор (конфігурація 2)", ...
QString operationName(const Operation &operation);
// "немає відповіді після 5 спроб на запит 3 з 98"
QString causeText(const ExchangeFailure &failure);
// The numbered text of a failed transfer: error 6 for writes; for reads its first line
// followed by "Зчитування даних з приладу зупинено".
QString transmitErrorText(const Operation &operation);
// The line under it: the operation, the port and the cause, and for a write that the
// device got part of, that it may hold part of the new settings.
QString transmitErrorDetail(const Operation &operation, const QString &port,
                            const ExchangeFailure &failure);
// For a write the target got part of: it may hold part of the new settings.
QString partialWriteWarning(const Operation &operation);
// Status-bar text of a cancelled operation: "Зчитування з приладу скасовано".
QString cancelledStatus(const Operation &operation);
// What a cancelled operation did and what that leaves: the requests answered, and for a
// write that the target may hold part of it (firmware: that the firmware is incomplete).
QString cancelledText(const Operation &operation, const ExchangeCancel &cancel);
// The line under error 3: the port and the system's reason.
QString openErrorDetail(const Operation &operation, const QString &port, const QString &reason);
// The line under error 11 or 13: what the device said it is (`model`: its name, as the
// slot descriptions give it), and what the editor holds.
QString foundDeviceDetail(quint8 typeCode, quint8 variant, const QString &model);
QString deviceMismatchDetail(quint8 foundType, quint8 foundVariant, const QString &foundModel,
                             const QString &editorTitle, quint8 editorType, quint8 editorVariant);
// What the box of a write that stopped adds about the device, by the step that stopped it:
// the read before the write (nothing was written), the check after it (written, not
// checked) or the write itself (the requests acknowledged). Empty when the box's own text
// says it already.
QString stoppedWriteText(const LinkOutcome &outcome);
// The buttons of the box of a write the target took part of: go on with it, write it
// whole again, close; and of the box of a check that stopped: check again, close.
QStringList cutWriteButtons();
QStringList uncheckedWriteButtons();
// Status-bar text of a checked write, ended at `at`: "Записано і перевірено о 14:32:05",
// with what a write cut to the differences sent (`summary`) after a colon.
QString checkedWriteStatus(const QTime &at, const QString &summary = QString());
// What a write cut to the differences sent: "3 налаштування (2 блоки)".
QString writtenSummary(int settings, int runs);
// Status-bar text of an operation that failed for `reason`.
QString operationFailedStatus(const Operation &operation, const QString &reason);
