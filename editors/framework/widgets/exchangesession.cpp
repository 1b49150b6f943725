#include "exchangesession.h"

#include "comport.h"
#include "exchangereport.h"
#include "linkevents.h"
#include "progress.h"
#include "shell.h"

ExchangeSession::ExchangeSession(Shell &shell, QObject *parent) : QObject(parent), m_shell(shell) {}

ExchangeSession::~ExchangeSession() = default;

bool ExchangeSession::start(const Operation &operation, const TransferPlan &plan)
{
    const ExchangeState &state = m_shell.exchange();
    return start(operation, planRequests(plan, state.EepromImage, state.MemoryImage));
}

bool ExchangeSession::start(const Operation &operation, PlannedExchange planned)
{
    if (running())
        return false;
    m_planned = std::move(planned);
    if (TProgressForm *progress = TProgressForm::instance()) {
        progress->setMaximum(int(m_planned.list.size()));
        progress->setPosition(0);
        progress->measure(m_planned.list);
    }
    showStage(0);
    if (m_planned.list.isEmpty()) {
        m_shell.EndAnimation();
        reportOpenFailure(m_shell, {operation, QString(), QStringLiteral("немає запитів для передачі"), {}});
        return false;
    }
    if (stopsUnstarted(operation, int(m_planned.list.size())) || !openLink(operation))
        return false;
    m_link->Start(this, &m_planned.list);
    return true;
}

bool ExchangeSession::startIdentification(const Operation &operation)
{
    if (running() || stopsUnstarted(operation, 1) || !openLink(operation))
        return false;
    m_planned = {};
    m_link->Identify(this);
    return true;
}

// A cancel pressed during the exchange before (an identification, the read before a write)
// also stops the one that would follow it.
bool ExchangeSession::stopsUnstarted(const Operation &operation, int requests)
{
    const TProgressForm *progress = TProgressForm::instance();
    if (!progress || !progress->cancelRequested())
        return false;
    m_started.start();
    stopCancelled({operation, QString(), QString(), {}, ExchangeCancel{0, requests, false, 0}});
    return true;
}

bool ExchangeSession::openLink(const Operation &operation)
{
    m_started.start();
    m_lastFailure.reset();
    m_resumeFrom.reset();
    m_link = m_shell.createLink();
    m_link->setOperation(operation);
    showProgressOf(*m_link);
    connect(m_link.get(), &TMainCPort::progressed, this, [this](int position) {
        const int answered = position - 1;
        showStage(answered);
        if (TProgressForm *progress = TProgressForm::instance())
            progress->answered(answered);
        Q_EMIT progressed(answered);
    });
    if (m_link->OpenPort())
        return true;
    const LinkOutcome outcome = m_link->outcome();
    m_link.reset();
    m_shell.EndAnimation();
    reportOpenFailure(m_shell, outcome);
    return false;
}

// The stage of the next request waiting for its answer.
void ExchangeSession::showStage(int answered)
{
    const QString text = m_planned.stageTextAt(answered);
    if (text.isEmpty())
        return;
    if (TProgressForm *progress = TProgressForm::instance(); progress && progress->text() != text)
        progress->setText(text);
    m_shell.setStatusText(0, text);
}

bool ExchangeSession::event(QEvent *e)
{
    return handleExchangeEnd(e, [this] { end(); }, [this] { fail(); },
                             [this] { stopCancelled(m_link ? m_link->outcome() : LinkOutcome{}); })
           || QObject::event(e);
}

void ExchangeSession::showElapsed()
{
    m_shell.setStatusText(1, QStringLiteral("Time execute   %1 ms").arg(m_started.elapsed()));
}

void ExchangeSession::end()
{
    m_link.reset();
    const bool identification = m_planned.list.isEmpty();
    if (!identification) {
        showElapsed();
        m_shell.setStatusText(0, QStringLiteral("Обмін даними пройшов успішно"));
    }
    Q_EMIT finished();
    // After an identification the handler goes on, or says why it does not; a handler
    // may also start the next exchange at once.
    if (!identification && !running())
        m_shell.EndAnimation();
}

void ExchangeSession::fail()
{
    const LinkOutcome outcome = m_link ? m_link->outcome() : LinkOutcome{};
    m_lastFailure = outcome.failure;
    m_resumeFrom = resumePoint(outcome.failure);
    m_link.reset();
    m_shell.EndAnimation();
    showElapsed();
    Q_EMIT failed();
    reportTransmitFailure(m_shell, outcome);
}

void ExchangeSession::stopCancelled(const LinkOutcome &outcome)
{
    m_resumeFrom = resumePoint(outcome.cancel);
    m_link.reset();
    m_shell.EndAnimation();
    showElapsed();
    Q_EMIT cancelled();
    reportCancel(m_shell, outcome);
}
