#include "buildinfo.h"

#include "buildinfo_values.h" // generated at every build

QString programVersion()
{
    return QStringLiteral(VEX_VERSION);
}

QString buildDate()
{
    return QStringLiteral(VEX_BUILD_DATE);
}
