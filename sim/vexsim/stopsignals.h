#pragma once

#include <QString>

// Makes SIGINT and SIGTERM quit the application's event loop, so that the program ends
// through its normal path (and saves what it was asked to). False with the reason in
// `error` when the handlers cannot be installed.
bool quitOnStopSignals(QString &error);
