#include "archivetypes.h"

#include <QSysInfo>

Author Author::current()
{
    // USER on Linux and macOS, USERNAME on Windows.
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    return {name, QSysInfo::machineHostName()};
}

QByteArray SettingsExport::fileBytes() const
{
    QByteArray bytes;
    bytes.reserve(2 + eeprom.size() + memory.size());
    bytes.append(char(typeCode)).append(char(variant)).append(eeprom).append(memory);
    return bytes;
}
