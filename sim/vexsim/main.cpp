// vexsim: a simulated device (and configurator) on a pseudo-terminal.
#include "devicesetup.h"
#include "log.h"
#include "options.h"
#include "ptyserver.h"
#include "simconfigurator.h"
#include "simendpoint.h"
#include "simline.h"
#include "stopsignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

enum ExitCode { kExitStopped = 0, kExitFailed = 1, kExitBadOptions = 2 };

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString kindLabel(TraceEntry::Kind kind)
{
    switch (kind) {
    case TraceEntry::Kind::Request: return QStringLiteral("in      ");
    case TraceEntry::Kind::Noise: return QStringLiteral("noise   ");
    case TraceEntry::Kind::Reply: return QStringLiteral("out     ");
    case TraceEntry::Kind::NoReply: return QStringLiteral("no reply");
    }
    return QString();
}

void printTrace(const QElapsedTimer &clock, const TraceEntry &entry)
{
    err() << QString::number(clock.elapsed() / 1000.0, 'f', 3).rightJustified(10) << "  "
          << kindLabel(entry.kind) << "  " << hexFrame(entry.bytes);
    if (!entry.note.isEmpty())
        err() << " (" << entry.note << ")";
    err() << Qt::endl;
}

// Serves `device` on a pseudo-terminal until a stop signal; returns the exit code.
int serve(const VexsimOptions &options, SimDevice &device)
{
    SimConfigurator configurator;
    SimEndpoint endpoint(device, options.configurator ? &configurator : nullptr);
    endpoint.setFaultPlan(options.faults);
    endpoint.setFlippedWrite(options.flippedWrite);
    QElapsedTimer clock;
    clock.start();
    if (options.verbose)
        endpoint.setTraceObserver([&clock](const TraceEntry &e) { printTrace(clock, e); });
    SimLine line(endpoint, options.baudRate);
    line.setAdapterLatency(options.adapterLatencyMs);
    PtyServer server(line);
    QString error;
    if (!server.open(error) || !quitOnStopSignals(error)) {
        err() << "vexsim: " << error << Qt::endl;
        return kExitFailed;
    }
    int exitCode = kExitStopped;
    QObject::connect(&server, &PtyServer::failed, qApp, [&exitCode](const QString &reason) {
        err() << "vexsim: " << reason << Qt::endl;
        exitCode = kExitFailed;
        QCoreApplication::quit();
    });
    QTextStream(stdout) << server.path() << Qt::endl;
    err() << "vexsim: device type " << int(device.typeCode()) << ", variant "
          << int(device.variant()) << (options.configurator ? ", with configurator" : "")
          << " on " << server.path() << Qt::endl;
    QCoreApplication::exec();
    return exitCode;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexsim"));

    const ParsedOptions parsed = parseOptions(QCoreApplication::arguments());
    if (!parsed.helpText.isEmpty()) {
        QTextStream(stdout) << parsed.helpText;
        return kExitStopped;
    }
    if (!parsed.options) {
        err() << "vexsim: " << parsed.error << "\n(vexsim --help explains the options)" << Qt::endl;
        return kExitBadOptions;
    }
    const VexsimOptions &options = *parsed.options;
    QString error;
    const std::unique_ptr<SimDevice> device = makeDevice(options, error);
    if (!device) {
        err() << "vexsim: " << error << Qt::endl;
        return kExitBadOptions;
    }
    const int exitCode = serve(options, *device);
    if (!options.saveFile.isEmpty() && !saveDevice(*device, options.saveFile, error)) {
        err() << "vexsim: " << error << Qt::endl;
        return kExitFailed;
    }
    return exitCode;
}
