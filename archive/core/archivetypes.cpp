#include "archivetypes.h"

#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

// Services and cron jobs run without USER: the account is asked for by its id then.
QString accountName()
{
#ifdef Q_OS_UNIX
    if (const passwd *account = getpwuid(geteuid()))
        return QString::fromLocal8Bit(account->pw_name);
#endif
    return {};
}

} // namespace

Author Author::current()
{
    // USER on Linux and macOS, USERNAME on Windows.
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    if (name.isEmpty())
        name = accountName();
    return {name, QSysInfo::machineHostName()};
}

QByteArray SettingsExport::fileBytes() const
{
    QByteArray bytes;
    bytes.reserve(2 + eeprom.size() + memory.size());
    bytes.append(char(typeCode)).append(char(variant)).append(eeprom).append(memory);
    return bytes;
}
