#include "benchflow.h"

#include "comport.h"

#include <QCoreApplication>
#include <QEventLoop>

QString benchProgram(const char *name)
{
    return QCoreApplication::applicationDirPath() + u'/' + QLatin1String(name);
}

QString startVexsim(QProcess &vexsim, int baudRate, const QStringList &options)
{
    QStringList arguments = options;
    if (baudRate > 0)
        arguments << QStringLiteral("--baud") << QString::number(baudRate);
    vexsim.start(benchProgram("vexsim"), arguments);
    if (!vexsim.waitForReadyRead(kBenchWaitMs))
        return {};
    return QString::fromLocal8Bit(vexsim.readLine()).trimmed();
}

void stopVexsim(QProcess &vexsim)
{
    vexsim.terminate();
    vexsim.waitForFinished(kBenchWaitMs);
}

std::unique_ptr<ExchangeFlow> flowOn(const QString &port, int baudRate)
{
    PortSettings settings;
    settings.port = port;
    settings.baudRate = baudRate;
    return std::make_unique<ExchangeFlow>([settings](ExchangeState &state) {
        auto link = std::make_unique<TMainCPort>(state);
        link->setSettings(settings);
        return link;
    });
}

FlowResult runFlow(ExchangeFlow &flow, const FlowStart &start)
{
    FlowResult result;
    result.status = FlowResult::Status::Failed;
    QEventLoop loop;
    bool ended = false;
    if (start(flow, [&](const FlowResult &r) {
            result = r;
            ended = true;
            loop.quit();
        })
        && !ended)
        loop.exec();
    return result;
}
