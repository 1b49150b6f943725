#include "editwritebench.h"

#include "benchflow.h"
#include "registry.h"

#include <QElapsedTimer>

namespace {

const QList<int> kBaudRates = {9600, 38400};
const QStringList kModels = {QStringLiteral("4p"), QStringLiteral("8p"), QStringLiteral("16p"),
                             QStringLiteral("64p"), QStringLiteral("gsm"), QStringLiteral("gsm4")};

struct Timed {
    FlowResult result;
    double ms = -1;
};

// The identification and then `start`, as a menu command runs them.
Timed timeCommand(ExchangeFlow &flow, const Operation &operation, const FlowStart &start)
{
    QElapsedTimer clock;
    clock.start();
    Timed timed;
    timed.result = runFlow(flow, [operation](ExchangeFlow &f, const ExchangeFlow::Done &done) {
        return f.identify(operation, done);
    });
    if (timed.result.ok())
        timed.result = runFlow(flow, start);
    if (timed.result.ok())
        timed.ms = clock.nsecsElapsed() / 1e6;
    return timed;
}

// F6, then one setting edited (the first EEPROM byte: a zone for the panels) and F5.
std::pair<double, double> readThenEditWrite(const QString &port, int baudRate)
{
    const std::unique_ptr<ExchangeFlow> flow = flowOn(port, baudRate);
    const FlowResult identified = runFlow(*flow, [](ExchangeFlow &f, const ExchangeFlow::Done &done) {
        return f.identify({Operation::Kind::ReadDevice}, done);
    });
    const std::optional<Identified> found = identify(identified.identity.deviceType, identified.identity.variant);
    if (!identified.ok() || !found)
        return {-1, -1};
    const DeviceDefinition &d = modelInfo(found->model);
    const quint8 variant = found->variant;
    const ReadJob read{{Operation::Kind::ReadDevice}, d.deviceRead(variant, baudRate), d.eepromSize,
                       d.deviceReadMemorySize()};
    const Timed f6 = timeCommand(*flow, read.operation, [read](ExchangeFlow &f, const ExchangeFlow::Done &done) {
        return f.read(read, done);
    });
    if (f6.ms < 0)
        return {-1, -1};
    WriteJob job{{Operation::Kind::WriteDevice}, d.deviceWrite(variant),
                 {f6.result.images.eeprom, f6.result.images.memory.left(d.memorySize)}, variant, d.settingFields};
    job.sent.eeprom[0] = char(job.sent.eeprom.at(0) ^ 0x01);
    job.checkReadPlan = read.plan;
    job.lastRead = f6.result.images;
    job.reRead = {{Operation::Kind::CompareDevice}, read.plan, read.eepromSize, read.memorySize};
    job.deviceVariant = variant;
    job.segments = d.segments(variant);
    const Timed f5 = timeCommand(*flow, job.operation, [job](ExchangeFlow &f, const ExchangeFlow::Done &done) {
        return f.write(job, {}, done);
    });
    return {f6.ms, f5.ms};
}

} // namespace

void benchEditWrite(QTextStream &out, const QString &only)
{
    if (!QStringLiteral("edit one setting and write").contains(only, Qt::CaseInsensitive))
        return;
    for (const QString &model : kModels) {
        for (const int baud : kBaudRates) {
            QProcess vexsim;
            const QString port = startVexsim(vexsim, baud, {QStringLiteral("--model"), model});
            const auto [readMs, writeMs] = port.isEmpty() ? std::pair{-1.0, -1.0} : readThenEditWrite(port, baud);
            stopVexsim(vexsim);
            out << QStringLiteral("%1 edit one setting and write @ %2 baud: read %3 ms, F5 %4 ms, F5 / read %5")
                       .arg(model, -4)
                       .arg(baud, 6)
                       .arg(readMs, 0, 'f', 1)
                       .arg(writeMs, 0, 'f', 1)
                       .arg(writeMs / readMs, 0, 'f', 3)
                << Qt::endl;
        }
    }
}
