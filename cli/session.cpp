#include "session.h"

#include "comport.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

PortSettings portSettingsFor(const std::optional<QString> &port, const std::optional<qint32> &baud)
{
    PortSettings settings = PortSettings::load();
    if (port)
        settings.port = *port;
    if (baud) {
        settings.baudRate = *baud;
        settings.customBaud = !standardBaudRateTexts().contains(QString::number(*baud));
    }
    return settings;
}

Session::Session(const PortSettings &settings, bool yesToAll)
    : m_settings(settings), m_yesToAll(yesToAll),
      m_flow([settings](ExchangeState &state) {
          auto link = std::make_unique<TMainCPort>(state);
          link->setSettings(settings);
          return link;
      }),
      m_interrupt([this] {
          m_interrupted = true;
          m_flow.cancel();
      })
{
    QObject::connect(&m_flow, &ExchangeFlow::stepStarted, &m_flow, [this](const FlowStep &step) { m_progress.start(step); });
    QObject::connect(&m_flow, &ExchangeFlow::answered, &m_flow, [this](int count) { m_progress.answered(count); });
}

// The flow may end an operation before it returns (a port that does not open): the loop is
// then not entered. Operations run one after another, so the flow is never found busy.
FlowResult Session::run(const Start &start)
{
    if (m_interrupted) {
        FlowResult result;
        result.status = FlowResult::Status::Cancelled;
        return result;
    }
    FlowResult result;
    bool ended = false;
    QEventLoop loop;
    const bool started = start(m_flow, [&](const FlowResult &r) {
        result = r;
        ended = true;
        loop.quit();
    });
    if (!started)
        result.status = FlowResult::Status::Failed; // the flow was busy: nothing was sent
    else if (!ended)
        loop.exec();
    m_progress.finish();
    return result;
}

FlowResult Session::identify(const Operation &operation)
{
    return run([operation](ExchangeFlow &flow, const ExchangeFlow::Done &done) { return flow.identify(operation, done); });
}

bool Session::confirm(const QString &question) const
{
    if (m_yesToAll)
        return true;
    if (::isatty(STDIN_FILENO) != 1)
        return false;
    std::fprintf(stderr, "%s [y/N] ", question.toLocal8Bit().constData());
    std::fflush(stderr);
    const QString answer = QTextStream(stdin).readLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}

// The archive outlives the folder the command ran in: files are named in full.
void Session::note(ExchangeReport report, const FlowResult &result)
{
    report.port = m_settings.port;
    if (!report.filePath.isEmpty())
        report.filePath = QFileInfo(report.filePath).absoluteFilePath();
    m_noted = exchangeEvent(report, result);
}
