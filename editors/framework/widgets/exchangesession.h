#pragma once

#include "exchangeoutcome.h"
#include "transferplan.h"

#include <QElapsedTimer>
#include <QObject>
#include <memory>

class Shell;
class TMainCPort;

// One exchange of an editor or the programmer from start to end: it owns the requests and
// the link, shows the stage texts and progress, and at the end releases the link, closes
// the busy display and puts the outcome in the status bar; a port that will not open and
// a failed exchange are reported with their numbered messages.
class ExchangeSession : public QObject
{
    Q_OBJECT
public:
    explicit ExchangeSession(Shell &shell, QObject *parent = nullptr);
    ~ExchangeSession() override;

    // Starts the planned requests; the busy display must be open. False when nothing was
    // started: another exchange of this session runs, there is nothing to send, or the
    // port did not open (error 3 shown, busy display closed).
    bool start(const Operation &operation, PlannedExchange planned);
    bool start(const Operation &operation, const TransferPlan &plan);
    // Identifies the connected device (the answer lands in the shared exchange state).
    bool startIdentification(const Operation &operation);

    bool running() const { return bool(m_link); }
    qint64 elapsedMs() const { return m_started.elapsed(); }
    // The requests of the last exchange started.
    const PlannedExchange &planned() const { return m_planned; }
    // Why the last exchange failed, until the next one starts.
    const std::optional<ExchangeFailure> &lastFailure() const { return m_lastFailure; }
    // Where a repeat of the last exchange goes on, when it failed or was cancelled after
    // the target took some of its writes; until the next one starts.
    const std::optional<int> &resumeFrom() const { return m_resumeFrom; }

Q_SIGNALS:
    // The requests answered so far, as the exchange goes on.
    void progressed(int answered);
    // The exchange ended well; the link is released, the busy display still open and the
    // success in the status bar (which a handler may replace). After the planned requests
    // the session then closes the busy display unless the handler started another
    // exchange; after an identification the handler goes on, or ends the display itself.
    void finished();
    // The exchange failed; the link is released and the busy display closed. The failure
    // box follows the handlers of this signal.
    void failed();
    // The user cancelled the exchange; the link is released and the busy display closed.
    // The box saying what was done follows the handlers of this signal.
    void cancelled();

protected:
    bool event(QEvent *event) override;

private:
    bool openLink(const Operation &operation);
    bool stopsUnstarted(const Operation &operation, int requests);
    void stopCancelled(const LinkOutcome &outcome);
    void showStage(int answered);
    void end();
    void fail();
    void showElapsed();

    Shell &m_shell;
    std::unique_ptr<TMainCPort> m_link;
    PlannedExchange m_planned;
    QElapsedTimer m_started;
    std::optional<ExchangeFailure> m_lastFailure;
    std::optional<int> m_resumeFrom;
};

// The request a repeat starts from when the target took some of the writes.
template <typename Stop>
std::optional<int> resumePoint(const std::optional<Stop> &stop)
{
    if (stop && stop->writesAcknowledged)
        return stop->resumeFrom;
    return std::nullopt;
}
