#pragma once

#include <QStringList>

// Runs one vexctl command line (without the program's name) to its end: prints the result
// and returns the exit code. A QCoreApplication must exist.
int runVexctl(const QStringList &arguments);
