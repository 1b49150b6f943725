#include "exchangeprogress.h"

#include "frame.h"
#include "packets.h"

#include <QElapsedTimer>
#include <algorithm>

namespace {

constexpr int kConfiguratorAddressBytes = 2;
constexpr int kShortAddressBytes = 1;
constexpr int kShortReadCountIndex = frame::kHeaderSize + 1; // after the short address

int deviceRequestBytes(quint8 command, int payload, const QByteArray &request)
{
    switch (command) {
    case frame::kCmdWriteMemory:
    case frame::kCmdWriteEeprom:
    case frame::kCmdReadMemory: return payload; // a read carries as many placeholders as it asks for
    case frame::kCmdReadEepromByte: return 1;
    case frame::kCmdShortWrite: return std::max(payload - kShortAddressBytes, 0);
    case frame::kCmdShortRead: return frame::byteAt(request, kShortReadCountIndex);
    case frame::kCmdClockRead:
    case frame::kCmdClockWrite: return frame::kClockBytes;
    default: return 0;
    }
}

int configuratorRequestBytes(const TPacket &request, int payload)
{
    switch (frame::byteAt(request.Data, 3)) {
    case frame::kCmdStoreDescriptor:
    case frame::kCmdStoreData: return std::max(payload - kConfiguratorAddressBytes, 0);
    case frame::kCmdReadStore:
        return request.Kind == kKindEeprom || request.Kind == kKindMemory ? request.Count : 0;
    default: return 0;
    }
}

int percentOf(qint64 done, qint64 total)
{
    return total > 0 ? int(std::clamp<qint64>(done * 100 / total, 0, 100)) : 0;
}

} // namespace

int payloadBytes(const TPacket &request)
{
    if (request.Data.size() < frame::kOverhead)
        return 0;
    const int payload = int(request.Data.size()) - frame::kOverhead;
    switch (frame::byteAt(request.Data, 1)) {
    case frame::kAddrDevice:
        return deviceRequestBytes(frame::byteAt(request.Data, 3), payload, request.Data);
    case frame::kAddrConfigurator: return configuratorRequestBytes(request, payload);
    default: return 0;
    }
}

QList<qint64> bytesAfterEach(const TPacketList &list)
{
    QList<qint64> after;
    after.reserve(list.size());
    qint64 moved = 0;
    for (const TPacket &request : list.packets()) {
        moved += payloadBytes(request);
        after.append(moved);
    }
    return after;
}

const ProgressClock &ProgressClock::steady()
{
    class Steady : public ProgressClock
    {
    public:
        Steady() { m_timer.start(); }
        qint64 nowMs() const override { return m_timer.elapsed(); }

    private:
        QElapsedTimer m_timer;
    };
    static const Steady clock;
    return clock;
}

std::optional<qint64> secondsLeft(qint64 done, qint64 total, qint64 elapsedMs)
{
    if (elapsedMs < kTimeLeftAfterMs || done <= 0 || done >= total)
        return std::nullopt;
    const qint64 numerator = elapsedMs * (total - done);
    const qint64 denominator = done * 1000;
    return (numerator + denominator - 1) / denominator;
}

QString timeLeftText(qint64 seconds)
{
    return QStringLiteral("залишилось %1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString groupedNumber(qint64 value)
{
    QString digits = QString::number(value);
    const int firstGroup = value < 0 ? 1 : 0;
    for (qsizetype at = digits.size() - 3; at > firstGroup; at -= 3)
        digits.insert(at, u' ');
    return digits;
}

QString progressDetails(qint64 done, qint64 total, qint64 elapsedMs)
{
    QString text = QStringLiteral("%1 %, %2 з %3 байт")
                       .arg(percentOf(done, total))
                       .arg(groupedNumber(done), groupedNumber(total));
    if (const std::optional<qint64> seconds = secondsLeft(done, total, elapsedMs))
        text += QStringLiteral(", ") + timeLeftText(*seconds);
    return text;
}

void ProgressMeter::start(const TPacketList &list)
{
    m_bytesAfter = bytesAfterEach(list);
    m_startMs = m_clock->nowMs();
}

QString ProgressMeter::details(int answered) const
{
    const qint64 total = m_bytesAfter.isEmpty() ? 0 : m_bytesAfter.last();
    if (total == 0)
        return QStringLiteral("%1 %").arg(percentOf(answered, m_bytesAfter.size()));
    const qint64 done = answered > 0 ? m_bytesAfter.at(std::min<qsizetype>(answered, m_bytesAfter.size()) - 1) : 0;
    return progressDetails(done, total, m_clock->nowMs() - m_startMs);
}
