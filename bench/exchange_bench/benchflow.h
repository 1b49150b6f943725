#pragma once

#include "exchangeflow.h"

#include <QProcess>
#include <QStringList>
#include <functional>
#include <memory>

// What the flow benchmarks share: vexsim started on a pseudo-terminal, and the exchange
// flow on its port as the program's windows run it.

inline constexpr int kBenchWaitMs = 60000;

// A program built beside the benchmark.
QString benchProgram(const char *name);
// vexsim with `options`, paced at `baudRate` (0: not paced); its port, or empty.
QString startVexsim(QProcess &vexsim, int baudRate, const QStringList &options = {});
void stopVexsim(QProcess &vexsim);
std::unique_ptr<ExchangeFlow> flowOn(const QString &port, int baudRate);

// One operation of `flow`, run to its end in an event loop.
using FlowStart = std::function<bool(ExchangeFlow &, const ExchangeFlow::Done &)>;
FlowResult runFlow(ExchangeFlow &flow, const FlowStart &start);
