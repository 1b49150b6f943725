#include "vexctlbench.h"

#include "benchflow.h"
#include "commandsupport.h"
#include "comport.h"
#include "exchangeflow.h"
#include "paneldefinition.h"
#include "settingsfile.h"
#include "verification.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>

namespace {

constexpr int kIdentifyRuns = 15;
constexpr quint8 kVariant = 2;
const QList<int> kCliBaudRates = {9600, 38400};

using Start = std::function<bool(ExchangeFlow &, const ExchangeFlow::Done &)>;

// One operation: what vexctl is told, what the flow is asked after the identification, and
// the requests of both on the wire.
struct Operation16 {
    QString name;
    QStringList command;
    std::function<Start(int baudRate)> start;
    std::function<TPacketList(int baudRate)> requests;
};

const DeviceDefinition &panel()
{
    static const DeviceDefinition d = panelDefinition(PanelModel::SixteenZone);
    return d;
}

// Milliseconds from vexctl's start to its exit, or -1 when it failed.
double timeVexctl(const QStringList &arguments, const QTemporaryDir &home)
{
    QProcess vexctl;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path()); // its log and resume point
    vexctl.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    vexctl.start(benchProgram("vexctl"), arguments);
    const bool ok = vexctl.waitForFinished(kBenchWaitMs) && vexctl.exitCode() == 0;
    return ok ? clock.nsecsElapsed() / 1e6 : -1;
}

// The identification and then `start`, as the program's windows run them; -1 when one failed.
double timeFlow(const QString &port, int baudRate, const Start &start)
{
    const std::unique_ptr<ExchangeFlow> flow = flowOn(port, baudRate);
    QElapsedTimer clock;
    clock.start();
    const FlowResult identified = runFlow(*flow, [](ExchangeFlow &f, const ExchangeFlow::Done &done) {
        return f.identify({Operation::Kind::ReadDevice}, done);
    });
    const bool ok = identified.ok() && runFlow(*flow, start).ok();
    return ok ? clock.nsecsElapsed() / 1e6 : -1;
}

// Each on a fresh simulator, so that both start from the same device.
std::pair<double, double> timeBoth(const Operation16 &op, int baudRate, const QTemporaryDir &home)
{
    std::pair<double, double> times{-1, -1};
    for (const bool cli : {false, true}) {
        QProcess vexsim;
        const QString port = startVexsim(vexsim, baudRate, {QStringLiteral("--variant"), QString::number(kVariant)});
        if (port.isEmpty())
            continue;
        (cli ? times.second : times.first) =
            cli ? timeVexctl(QStringList{QStringLiteral("--port"), port, QStringLiteral("--baud"),
                                         QString::number(baudRate)} + op.command, home)
                : timeFlow(port, baudRate, op.start(baudRate));
        stopVexsim(vexsim);
    }
    return times;
}

void appendPlan(TPacketList &list, const TransferPlan &plan, const SettingsImages &images)
{
    for (const PlanStage &stage : plan.stages) {
        for (const PlanStep &step : stage.steps)
            appendStep(list, plan.direction, step, images.eeprom, images.memory);
    }
}

QList<Operation16> operations(const SettingsImages &zero, const QString &file, const QString &readInto)
{
    const DeviceDefinition &d = panel();
    const auto readJob = [&d](int baud) {
        return ReadJob{{Operation::Kind::ReadDevice}, d.deviceRead(kVariant, baud), d.eepromSize, d.deviceReadMemorySize()};
    };
    const auto writeJob = [&d, zero](int baud) {
        WriteJob job = writeJobOf({Operation::Kind::WriteDevice}, d.deviceWrite(kVariant), zero, kVariant, d, true);
        job.checkReadPlan = d.deviceRead(kVariant, baud);
        return job;
    };
    return {{QStringLiteral("16-zone v2 identify + device read"), {QStringLiteral("read"), QStringLiteral("-o"), readInto},
             [readJob](int baud) -> Start {
                 return [job = readJob(baud)](ExchangeFlow &flow, const ExchangeFlow::Done &done) { return flow.read(job, done); };
             },
             [readJob](int baud) {
                 TPacketList list;
                 list.AddIdentify();
                 appendPlan(list, readJob(baud).plan, {});
                 return list;
             }},
            {QStringLiteral("16-zone v2 identify + checked write"), {QStringLiteral("write"), QStringLiteral("--all"), file},
             [writeJob](int baud) -> Start {
                 return [job = writeJob(baud)](ExchangeFlow &flow, const ExchangeFlow::Done &done) {
                     return flow.write(job, {}, done);
                 };
             },
             [writeJob, zero](int baud) {
                 const WriteJob job = writeJob(baud);
                 TPacketList list;
                 list.AddIdentify();
                 appendPlan(list, job.plan, zero);
                 appendPlan(list, verificationOf(job.plan, zero, job.checkReadPlan).reads, {});
                 return list;
             }}};
}

void benchIdentify(QTextStream &out, const QTemporaryDir &home)
{
    QProcess vexsim;
    const QString port = startVexsim(vexsim, 0);
    QList<double> times;
    for (int i = 0; i < kIdentifyRuns; ++i)
        times << timeVexctl({QStringLiteral("--port"), port, QStringLiteral("identify")}, home);
    stopVexsim(vexsim);
    std::sort(times.begin(), times.end());
    out << QStringLiteral("vexctl identify, start to exit (%1 runs): min %2 ms, median %3 ms, max %4 ms")
               .arg(kIdentifyRuns)
               .arg(times.constFirst(), 0, 'f', 1)
               .arg(times.at(kIdentifyRuns / 2), 0, 'f', 1)
               .arg(times.constLast(), 0, 'f', 1)
        << Qt::endl;
}

} // namespace

void benchVexctl(QTextStream &out, const QString &only)
{
    if (!QStringLiteral("vexctl").contains(only, Qt::CaseInsensitive))
        return;
    QTemporaryDir home;
    const DeviceDefinition &d = panel();
    const SettingsImages zero{QByteArray(d.eepromSize, '\0'), QByteArray(d.memorySize, '\0')};
    const QString file = home.filePath(QStringLiteral("16p.vau"));
    settingsfile::write(file, {d.typeCode, kVariant}, zero.eeprom, d.eepromSize, zero.memory, d.memorySize);
    for (const Operation16 &op : operations(zero, file, home.filePath(QStringLiteral("read.vau")))) {
        for (const int baud : kCliBaudRates) {
            const double floorMs = wireBytes(op.requests(baud)) * 10 * 1000.0 / baud;
            const auto [flowMs, cliMs] = timeBoth(op, baud, home);
            out << QStringLiteral("%1 @ %2 baud: floor %3 ms, flow (GUI path) %4 ms = %5 x floor, "
                                  "vexctl %6 ms = %7 x floor, vexctl / flow %8")
                       .arg(op.name)
                       .arg(baud, 6)
                       .arg(floorMs, 0, 'f', 1)
                       .arg(flowMs, 0, 'f', 1)
                       .arg(flowMs / floorMs, 0, 'f', 3)
                       .arg(cliMs, 0, 'f', 1)
                       .arg(cliMs / floorMs, 0, 'f', 3)
                       .arg(cliMs / flowMs, 0, 'f', 3)
                << Qt::endl;
        }
    }
    benchIdentify(out, home);
}
