#include "exchangetexts.h"

#include "comport.h"
#include "proc.h"

#include <QTime>

namespace {

QString portText(const QString &port)
{
    return port.isEmpty() ? QStringLiteral("(не вказано)") : port;
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

// What a cancelled write leaves in its target.
QString cancelledWriteConsequence(const Operation &operation, bool writesAcknowledged)
{
    switch (operation.kind) {
    case Operation::Kind::FirmwareToDevice:
        return writesAcknowledged ? QStringLiteral("Прошивка приладу неповна: прилад не працюватиме, "
                                                   "доки прошивку не буде записано повністю.")
                                  : QStringLiteral("Прошивку в прилад не записано.");
    case Operation::Kind::FirmwareToConfigurator:
        return writesAcknowledged ? QStringLiteral("Прошивка в конфігураторі неповна: запишіть її ще раз, "
                                                   "перш ніж прошивати нею прилад.")
                                  : QStringLiteral("Прошивку в конфігуратор не записано.");
    case Operation::Kind::ClearConfigurator:
        return writesAcknowledged ? QStringLiteral("Конфігуратор очищено не повністю: повторіть очищення.")
                                  : QStringLiteral("Конфігуратор не змінено.");
    default:
        return writesAcknowledged ? partialWriteWarning(operation)
                                         + QStringLiteral(" Продовжити запис можна командою \"Продовжити запис\".")
                                  : QStringLiteral("Нічого не записано.");
    }
}

// What a cancelled read leaves: the editor shows nothing half-read.
QString cancelledReadConsequence(const Operation &operation)
{
    switch (operation.kind) {
    case Operation::Kind::SurveySlots: return QString();
    case Operation::Kind::VerifyDevice:
    case Operation::Kind::VerifySlot: return QStringLiteral("\rЗапис виконано, але не перевірено.");
    default: return QStringLiteral("\rНалаштування в редакторі не змінено.");
    }
}

} // namespace

QString operationName(const Operation &operation)
{
    using Kind = Operation::Kind;
    const int slot = operation.slot;
    switch (operation.kind) {
    case Kind::ReadDevice: return QStringLiteral("зчитування з приладу");
    case Kind::WriteDevice: return QStringLiteral("запис у прилад");
    case Kind::ReadSlot:
        return QStringLiteral("зчитування з конфігуратора (конфігурація %1)").arg(slot);
    case Kind::WriteSlot: return QStringLiteral("запис у конфігуратор (конфігурація %1)").arg(slot);
    case Kind::SurveySlots: return QStringLiteral("опитування конфігуратора");
    case Kind::ClearConfigurator: return QStringLiteral("очищення конфігуратора");
    case Kind::FirmwareToDevice: return QStringLiteral("запис прошивки в прилад");
    case Kind::FirmwareToConfigurator: return QStringLiteral("запис прошивки в конфігуратор");
    case Kind::VerifyDevice: return QStringLiteral("перевірка запису в прилад");
    case Kind::VerifySlot: return QStringLiteral("перевірка запису в конфігуратор (конфігурація %1)").arg(slot);
    case Kind::CompareDevice: return QStringLiteral("порівняння з приладом");
    case Kind::RegularMode: break;
    }
    return QStringLiteral("перехід приладу в робочий режим");
}

QString causeText(const ExchangeFailure &failure)
{
    using Cause = ExchangeFailure::Cause;
    const int tries = TMainCPort::kMaxSends;
    const int request = failure.request;
    const int total = failure.total;
    switch (failure.cause) {
    case Cause::NoReply:
        return QStringLiteral("немає відповіді після %1 спроб на запит %2 з %3")
            .arg(tries).arg(request).arg(total);
    case Cause::BadChecksum:
        return QStringLiteral("невірна контрольна сума відповіді на запит %2 з %3 (%1 спроб)")
            .arg(tries).arg(request).arg(total);
    case Cause::WrongAnswer: break;
    }
    return QStringLiteral("відповідь не на той запит: запит %2 з %3 (%1 спроб)")
        .arg(tries).arg(request).arg(total);
}

QString transmitErrorText(const Operation &operation)
{
    const QString writeText = errorText(kErrTransmit);
    if (!operation.reads())
        return writeText;
    return writeText.section(u'\r', 0, 0) + u'\r' + errorText(kErrReadStopped);
}

QString transmitErrorDetail(const Operation &operation, const QString &port,
                            const ExchangeFailure &failure)
{
    QString detail = QStringLiteral("Операція: %1. Порт: %2. Причина: %3.")
                         .arg(operationName(operation), portText(port), causeText(failure));
    if (failure.writesAcknowledged && !operation.reads())
        detail += u'\r' + partialWriteWarning(operation);
    return detail;
}

QString partialWriteWarning(const Operation &operation)
{
    const QString holder = operation.targetsConfigurator() ? QStringLiteral("Конфігуратор")
                                                                : QStringLiteral("Прилад");
    return holder + QStringLiteral(" може містити лише частину нових даних: повторіть запис, "
                                   "перш ніж повернути прилад у роботу.");
}

QString cancelledStatus(const Operation &operation)
{
    return capitalised(operationName(operation)) + QStringLiteral(" скасовано");
}

QString cancelledText(const Operation &operation, const ExchangeCancel &cancel)
{
    if (operation.reads())
        return cancelledStatus(operation)
               + QStringLiteral(": отримано відповіді на %1 з %2 запитів.").arg(cancel.answered).arg(cancel.total)
               + cancelledReadConsequence(operation);
    return cancelledStatus(operation)
           + QStringLiteral(": підтверджено %1 з %2 запитів.\r").arg(cancel.answered).arg(cancel.total)
           + cancelledWriteConsequence(operation, cancel.writesAcknowledged);
}

QString openErrorDetail(const Operation &operation, const QString &port, const QString &reason)
{
    return QStringLiteral("Операція: %1. Порт %2 не відкрито: %3.")
        .arg(operationName(operation), portText(port),
             reason.isEmpty() ? QStringLiteral("невідома причина") : reason);
}

QString foundDeviceDetail(quint8 typeCode, quint8 variant, const QString &model)
{
    QString name = model.trimmed();
    if (name.startsWith(u'-'))
        name = name.mid(1).trimmed();
    return QStringLiteral("Прилад відповів: тип %1, варіант %2 %3.").arg(typeCode).arg(variant).arg(name);
}

QString deviceMismatchDetail(quint8 foundType, quint8 foundVariant, const QString &foundModel,
                             const QString &editorTitle, quint8 editorType, quint8 editorVariant)
{
    return foundDeviceDetail(foundType, foundVariant, foundModel)
           + QStringLiteral("\rРедактор: %1, тип %2, варіант %3.")
                 .arg(editorTitle).arg(editorType).arg(editorVariant);
}

namespace {

// "1 блок", "2 блоки", "5 блоків": the Ukrainian plural of a count.
QString counted(int n, const char *one, const char *few, const char *many)
{
    const int tens = n % 100;
    const int units = n % 10;
    const char *word = units == 1 && tens != 11                              ? one
                       : units >= 2 && units <= 4 && (tens < 12 || tens > 14) ? few
                                                                              : many;
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(word));
}

} // namespace

QString writtenSummary(int settings, int runs)
{
    return counted(settings, "налаштування", "налаштування", "налаштувань") + QStringLiteral(" (")
           + counted(runs, "блок", "блоки", "блоків") + u')';
}

QString operationFailedStatus(const Operation &operation, const QString &reason)
{
    return capitalised(operationName(operation)) + QStringLiteral(" не виконано: ") + reason;
}

QString stoppedWriteText(const LinkOutcome &outcome)
{
    using Kind = Operation::Kind;
    const std::optional<ExchangeFailure> &failure = outcome.failure;
    switch (outcome.operation.kind) {
    case Kind::CompareDevice: return QStringLiteral("Запис не виконано: прилад не змінено.");
    case Kind::VerifyDevice:
    case Kind::VerifySlot:
        if (!failure)
            return QString();
        return outcome.operation.kind == Kind::VerifyDevice
                   ? QStringLiteral("Запис виконано: прилад підтвердив усі запити, але перевірити записане не вдалося.")
                   : QStringLiteral("Запис виконано: конфігуратор підтвердив усі запити, але перевірити записане "
                                    "не вдалося.");
    default: break;
    }
    if (!failure)
        return QString();
    return QStringLiteral("Підтверджено %1 з %2 запитів.").arg(failure->request - 1).arg(failure->total);
}

QStringList cutWriteButtons()
{
    return {QStringLiteral("Продовжити запис"), QStringLiteral("Записати знову"), QStringLiteral("Закрити")};
}

QStringList uncheckedWriteButtons()
{
    return {QStringLiteral("Перевірити ще раз"), QStringLiteral("Закрити")};
}

QString checkedWriteStatus(const QTime &at, const QString &summary)
{
    const QString status = QStringLiteral("Записано і перевірено о ") + at.toString(QStringLiteral("HH:mm:ss"));
    return summary.isEmpty() ? status : status + QStringLiteral(": ") + summary;
}
