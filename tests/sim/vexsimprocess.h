#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The vexsim program built beside the tests ($VEX_BIN_DIR, set by the test registration).
inline QString vexsimProgram()
{
    return qEnvironmentVariable("VEX_BIN_DIR") + QStringLiteral("/vexsim");
}
