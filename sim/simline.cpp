#include "simline.h"

#include "adapterlatency.h"
#include "simendpoint.h"

#include <QThread>
#include <algorithm>

namespace {

constexpr qint64 kNsPerMs = 1000000;
constexpr qint64 kNsPerSecond = 1000000000;
// Qt timers count whole milliseconds and a sleep overshoots by tens of microseconds: the
// timer wakes the line shortly before a deadline, a sleep brings it close, and a short spin
// makes the bytes leave on time.
constexpr qint64 kSleepBelowNs = 2 * kNsPerMs;
constexpr qint64 kSpinBelowNs = 100 * 1000;

} // namespace

SimLine::SimLine(SimEndpoint &endpoint, int baudRate, QObject *parent)
    : QObject(parent),
      m_endpoint(endpoint),
      m_byteNs(baudRate > 0 ? kBitsPerByte * kNsPerSecond / baudRate : 0)
{
    m_clock.start();
    m_sendTimer.setSingleShot(true);
    m_sendTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_sendTimer, &QTimer::timeout, this, &SimLine::sendDue);
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(kIdleResyncMs);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] { m_endpoint.lineIdle(); });
}

qint64 SimLine::wireNs(qsizetype bytes) const
{
    return bytes * m_byteNs;
}

void SimLine::receive(const QByteArray &bytes)
{
    const qint64 now = m_clock.nsecsElapsed();
    m_receiveFreeNs = std::max(now, m_receiveFreeNs) + wireNs(bytes.size());
    const QList<ReplyPiece> pieces = m_endpoint.receive(bytes);
    if (m_endpoint.hasPartialRequest())
        m_idleTimer.start();
    else
        m_idleTimer.stop();
    qint64 due = std::max(m_receiveFreeNs, m_transmitFreeNs);
    for (const ReplyPiece &piece : pieces) {
        const qint64 start = due + piece.delayMs * kNsPerMs;
        due = start + wireNs(piece.bytes.size());
        enqueue(start, piece.bytes);
    }
    m_transmitFreeNs = due;
    arm();
}

void SimLine::setAdapterLatency(int ms)
{
    m_adapterLatencyNs = qint64(ms) * kNsPerMs;
}

// A piece whose first byte starts on the wire at `startNs` leaves when its last byte has
// gone, or, through an adapter, as the adapter hands its bytes on.
void SimLine::enqueue(qint64 startNs, const QByteArray &bytes)
{
    if (m_adapterLatencyNs <= 0) {
        m_queue.enqueue({startNs + wireNs(bytes.size()), bytes});
        return;
    }
    for (const AdapterDelivery &d : heldByAdapter(bytes, startNs + m_byteNs, m_byteNs, m_adapterLatencyNs))
        m_queue.enqueue({d.atNs, d.bytes});
}

void SimLine::arm()
{
    if (m_queue.isEmpty())
        return;
    const qint64 wait = m_queue.head().dueNs - m_clock.nsecsElapsed();
    m_sendTimer.start(wait < kSleepBelowNs ? 0 : int((wait - kSleepBelowNs / 2) / kNsPerMs));
}

// Sends one piece per turn of the event loop, as a port hands over one block at a time.
void SimLine::sendDue()
{
    if (m_queue.isEmpty())
        return;
    const qint64 wait = m_queue.head().dueNs - m_clock.nsecsElapsed();
    if (wait >= kSleepBelowNs) {
        arm();
        return;
    }
    waitUntil(m_queue.head().dueNs);
    const QByteArray bytes = m_queue.dequeue().bytes;
    Q_EMIT transmit(bytes);
    arm();
}

void SimLine::waitUntil(qint64 dueNs) const
{
    const qint64 wait = dueNs - m_clock.nsecsElapsed();
    if (wait > kSpinBelowNs)
        QThread::usleep(static_cast<unsigned long>((wait - kSpinBelowNs) / 1000));
    while (m_clock.nsecsElapsed() < dueNs) {
    }
}
