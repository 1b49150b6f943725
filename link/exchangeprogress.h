#pragma once

#include <QList>
#include <QString>
#include <optional>

class TPacketList;
struct TPacket;

// How far an exchange has come in the bytes it moves, and how long the rest will take at
// the pace measured so far.

// Setting bytes a request moves: what a write carries (without the address it names), what
// a read asks for. Set-address, identification and slot-header requests move none.
int payloadBytes(const TPacket &request);
// The bytes moved once requests 0..i have been answered, for every i.
QList<qint64> bytesAfterEach(const TPacketList &list);

// Milliseconds from a fixed moment. The program measures with a steady clock; tests
// move a manual one by hand.
class ProgressClock
{
public:
    virtual ~ProgressClock() = default;
    virtual qint64 nowMs() const = 0;
    static const ProgressClock &steady();
};

// The time left is not guessed before the exchange has run this long: the first replies
// include the port's start and say little about the pace.
inline constexpr qint64 kTimeLeftAfterMs = 1000;

// Whole seconds left, rounded up; nothing before kTimeLeftAfterMs, before the first byte
// or after the last.
std::optional<qint64> secondsLeft(qint64 done, qint64 total, qint64 elapsedMs);
// "залишилось 0:12", "залишилось 2:05"
QString timeLeftText(qint64 seconds);
// "4 096": thousands apart by a space.
QString groupedNumber(qint64 value);
// "50 %, 2 048 з 4 096 байт, залишилось 0:04"; the time part only once secondsLeft gives one.
QString progressDetails(qint64 done, qint64 total, qint64 elapsedMs);

// The progress of one exchange: started with its requests, told how many are answered.
class ProgressMeter
{
public:
    explicit ProgressMeter(const ProgressClock &clock = ProgressClock::steady()) : m_clock(&clock) {}

    void setClock(const ProgressClock &clock) { m_clock = &clock; }
    // Time zero is now.
    void start(const TPacketList &list);
    // The details after `answered` requests got their replies. An exchange that moves no
    // bytes shows the share of requests answered.
    QString details(int answered) const;

private:
    const ProgressClock *m_clock;
    QList<qint64> m_bytesAfter;
    qint64 m_startMs = 0;
};
