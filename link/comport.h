#pragma once

#include "exchangeoutcome.h"
#include "exchangestate.h"
#include "lowlatency.h"
#include "packets.h"
#include "portsettings.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class QIODevice;

// The serial link of one operation: frames requests and replies, logs every frame and
// runs one packet list with the reply timer and resends. Replies are stored into the
// shared exchange state; the end of the exchange is posted to the window that started it.
class TMainCPort : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int replyTimeout READ replyTimeout WRITE setReplyTimeout)

public:
    static constexpr int kDefaultReplyTimeoutMs = 1000;
    // Misses since the exchange last reached a request it had not reached before; the
    // fifth fails it, whatever is answered in between.
    static constexpr int kMaxSends = 5;
    static constexpr int kRegularModeDelayMs = 10;

    // Talks through a QSerialPort configured from the stored port settings.
    explicit TMainCPort(ExchangeState &state, QObject *parent = nullptr);
    // Talks through `transport` (taken over), e.g. a simulator endpoint in tests.
    TMainCPort(ExchangeState &state, std::unique_ptr<QIODevice> transport, QObject *parent = nullptr);
    ~TMainCPort() override;

    void LoadSettings();
    const PortSettings &settings() const { return m_settings; }
    void setSettings(const PortSettings &settings) { m_settings = settings; }

    // Opens the port exclusively (closing it first if open). The system's reason for a
    // failure is logged and kept in lastError().
    bool OpenPort();
    // How the serial driver's flags are reached (the system's, unless a test says otherwise).
    void setSerialFlagsAccess(SerialFlagsAccess access) { m_flagsAccess = std::move(access); }
    QString lastError() const { return m_lastError; }

    void SendFrame(const QByteArray &frame);
    void OnPacket(const QByteArray &block);
    void OnTimeout();

    // Runs `list` (not owned, at least one request) and reports to `window`. Refused,
    // returning false, while another exchange runs on this link.
    bool Start(QObject *window, const TPacketList *list);
    void Identify(QObject *window);
    void SurveySlots(QObject *window);
    void ClearConfigurator(QObject *window);
    void RegularMode(QObject *window);

    int replyTimeout() const { return m_timeoutMs; }
    void setReplyTimeout(int ms) { m_timeoutMs = ms; }
    // In manual mode the reply timer never fires by itself; a test calls OnTimeout().
    void setManualTimer(bool manual) { m_manualTimer = manual; }
    bool replyTimerArmed() const { return m_timerArmed; }
    // Reply bytes gathered and not yet framed; never more than the longest frame.
    qsizetype gatheredSize() const { return m_accumulator.size(); }

    bool running() const { return m_list != nullptr && !m_failure && !m_cancel; }
    int currentIndex() const { return m_current; }

    // What the exchange is for: its outcome carries it.
    void setOperation(const Operation &operation) { m_operation = operation; }
    const Operation &operation() const { return m_operation; }
    // Why the last exchange failed; nothing while it runs or after it succeeded.
    const std::optional<ExchangeFailure> &failure() const { return m_failure; }
    LinkOutcome outcome() const { return {m_operation, m_settings.port, m_lastError, m_failure, m_cancel}; }

    // The user's stop: the request in flight gets its reply or its timeout, nothing more is
    // sent, and the window gets linkevent::Cancelled. A last reply that completes the
    // exchange meanwhile ends it as usual.
    void cancel();
    bool cancelRequested() const { return m_cancelRequested; }

Q_SIGNALS:
    // A good reply moved the exchange on; the progress bar shows `position`.
    void progressed(int position);

private:
    void init();
    bool refusedWhileRunning();
    void dropOverflow();
    bool canBeginFrame(qsizetype index) const;
    void startOwnList(QObject *window, const std::function<void(TPacketList &)> &build);
    void handleReply(const QByteArray &reply);
    void discardReply(const QByteArray &reply);
    bool storeReply(const TPacket &request, const QByteArray &reply);
    void advance();
    void miss(ExchangeFailure::Cause cause);
    void fail(ExchangeFailure::Cause cause);
    void stopCancelled();
    void sendCurrent();
    void armTimer();
    void disarmTimer();
    void post(QEvent::Type type);
    void purge();
    void askForLowLatency();
    void closeTransport();
    void onReadyRead();

    ExchangeState &m_state;
    std::unique_ptr<QIODevice> m_transport;
    SerialFlagsAccess m_flagsAccess = SerialFlagsAccess::system();
    std::optional<int> m_savedSerialFlags; // the driver's flags before low-latency mode
    PortSettings m_settings;
    QString m_lastError;
    QPointer<QObject> m_window;
    const TPacketList *m_list = nullptr;
    std::unique_ptr<TPacketList> m_ownList;
    QByteArray m_accumulator;
    QTimer m_timer;
    int m_timeoutMs = kDefaultReplyTimeoutMs;
    bool m_manualTimer = false;
    bool m_timerArmed = false;
    Operation m_operation;
    int m_current = 0;
    int m_resendIndex = 0;
    int m_furthest = 0;              // the furthest request the exchange has reached
    int m_misses = 0;                // since it reached m_furthest
    bool m_wrongAnswerWaiting = false; // a reply to another request came while waiting
    bool m_writesAcknowledged = false;
    std::optional<ExchangeFailure> m_failure;
    bool m_cancelRequested = false;
    std::optional<ExchangeCancel> m_cancel;
};
