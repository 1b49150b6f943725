// Every sentence the archive can show the user is here.
#include "archiveerror.h"

namespace {

QString sentence(ArchiveError::Code code)
{
    using Code = ArchiveError::Code;
    switch (code) {
    case Code::None:
        break;
    case Code::NoDriver:
        return QStringLiteral("Немає драйвера бази даних для архіву");
    case Code::CannotOpen:
        return QStringLiteral("Не вдалося відкрити архів");
    case Code::Damaged:
        return QStringLiteral("Архів пошкоджено");
    case Code::NotAnArchive:
        return QStringLiteral("Ця база даних не є архівом об’єктів");
    case Code::TooNew:
        return QStringLiteral("Архів записано новішою версією програми; його не змінено");
    case Code::ServerUnreachable:
        return QStringLiteral("Сервер архіву недоступний");
    case Code::QueryFailed:
        return QStringLiteral("Помилка архіву");
    case Code::NotFound:
        return QStringLiteral("Запису в архіві не знайдено");
    case Code::EmptyName:
        return QStringLiteral("Не вказано назву об’єкта");
    case Code::EmptyObjectNumber:
        return QStringLiteral("Не вказано об’єктовий номер приладу");
    case Code::BadPaging:
        return QStringLiteral("Неприпустима сторінка списку");
    case Code::ImageTooLarge:
        return QStringLiteral("Образ пам’яті завеликий для архіву");
    case Code::AlreadyMatched:
        return QStringLiteral("Подію вже віднесено до іншого приладу");
    case Code::NoConfiguration:
        return QStringLiteral("Подія не містить налаштувань приладу");
    case Code::ServerBackup:
        return QStringLiteral("Резервну копію серверного архіву робить адміністратор сервера");
    case Code::BackupOverArchive:
        return QStringLiteral("Резервну копію не можна записати поверх самого архіву");
    case Code::BackupFailed:
        return QStringLiteral("Не вдалося зробити резервну копію архіву");
    }
    return QString();
}

} // namespace

ArchiveError ArchiveError::make(Code code, const QString &detail)
{
    const QString text = sentence(code);
    return {code, detail.isEmpty() ? text : text + QStringLiteral(": ") + detail};
}

ArchiveError ArchiveError::tooNew(int found, int known)
{
    return make(Code::TooNew, QStringLiteral("версія схеми %1, програма знає версії до %2").arg(found).arg(known));
}

namespace archivedamage {

QString eepromCrc(qint64 eventId)
{
    return QStringLiteral("подія %1: контрольна сума образу EEPROM не збігається").arg(eventId);
}

QString memoryCrc(qint64 eventId)
{
    return QStringLiteral("подія %1: контрольна сума образу пам’яті не збігається").arg(eventId);
}

QString differences(qint64 eventId)
{
    return QStringLiteral("подія %1: список відмінностей нечитабельний").arg(eventId);
}

QString unknownCode(const QString &column, const QString &code, qint64 rowId)
{
    return QStringLiteral("запис %1: невідоме значення «%2» у полі %3").arg(rowId).arg(code, column);
}

QString outOfRange(const QString &column, qint64 rowId)
{
    return QStringLiteral("запис %1: значення поля %2 поза межами").arg(rowId).arg(column);
}

} // namespace archivedamage
