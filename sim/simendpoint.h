#pragma once

#include "faultplan.h"
#include "requestframer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class SimConfigurator;
class SimDevice;

// One line of the frame trace.
struct TraceEntry {
    enum class Kind {
        Request, // a whole frame received
        Noise,   // received bytes that are no frame
        Reply,   // bytes sent (as spoiled by a fault, if one struck)
        NoReply, // a request left unanswered
    };
    Kind kind;
    QByteArray bytes;
    QString note;
};

// What sits at the far end of the line: answers the device addressee (0x01) with a
// simulated device and, when one is given, the configurator addressee (0x07) with a
// simulated configurator, spoiling replies as a fault plan says. It knows nothing of time:
// it turns received bytes into reply pieces, and a SimLine puts them on the wire.
class SimEndpoint
{
public:
    // Neither is owned; `configurator` may be null (no configurator on the line).
    explicit SimEndpoint(SimDevice &device, SimConfigurator *configurator = nullptr);

    void setFaultPlan(FaultPlan plan) { m_faults = std::move(plan); }
    // Write request `n` (counting writes of either addressee from 1) is stored with bit 0
    // of its first data byte flipped, and acknowledged as usual: the device then holds
    // other bytes than it was sent. 0: every write is stored as sent.
    void setFlippedWrite(int n) { m_flippedWrite = n; }
    // Called with every trace line as it happens.
    void setTraceObserver(std::function<void(const TraceEntry &)> observer);

    // Takes received bytes; gives the reply pieces of every request they complete.
    QList<ReplyPiece> receive(const QByteArray &bytes);
    bool hasPartialRequest() const { return m_framer.hasPartial(); }
    // The line has been quiet: the start of a frame still waiting is noise.
    void lineIdle();

    int requestsReceived() const { return m_requests; }

private:
    QList<ReplyPiece> serve(const QByteArray &request);
    std::optional<QByteArray> answer(const QByteArray &request, QString &whyNot);
    QByteArray storedPayload(quint8 addressee, quint8 command, QByteArray payload);
    void trace(TraceEntry::Kind kind, const QByteArray &bytes, const QString &note = QString());

    SimDevice &m_device;
    SimConfigurator *m_configurator;
    FaultPlan m_faults;
    RequestFramer m_framer;
    std::function<void(const TraceEntry &)> m_observer;
    int m_requests = 0;
    int m_writes = 0;
    int m_flippedWrite = 0;
    bool m_silent = false;
};
