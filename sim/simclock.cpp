#include "simclock.h"

#include "panelencoding.h"

#include <optional>

namespace {

enum ClockByte { kSeconds, kMinutes, kHours, kDay, kMonth, kUnused, kYear };
constexpr int kCentury = 2000;

// The value of a BCD byte, or -1 when a nibble is not a decimal digit.
int fromBcd(quint8 byte)
{
    const BcdValue decoded = decodeBcd(byte);
    return decoded.valid ? decoded.value : -1;
}

std::optional<QDateTime> decode(const QByteArray &bytes)
{
    if (bytes.size() != SimClock::kSize)
        return std::nullopt;
    int values[SimClock::kSize];
    for (int i = 0; i < SimClock::kSize; ++i)
        values[i] = fromBcd(quint8(bytes.at(i)));
    const QDate date(kCentury + values[kYear], values[kMonth], values[kDay]);
    const QTime time(values[kHours], values[kMinutes], values[kSeconds]);
    if (values[kYear] < 0 || !date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

} // namespace

SimClock::SimClock() : m_offsetSecs(QDateTime::currentDateTime().offsetFromUtc()) {}

QByteArray SimClock::read(const QDateTime &nowUtc) const
{
    const QDateTime shown = nowUtc.toUTC().addSecs(m_offsetSecs);
    const QDate date = shown.date();
    const QTime time = shown.time();
    QByteArray bytes(kSize, '\0');
    bytes[kSeconds] = char(bcdByte(time.second()));
    bytes[kMinutes] = char(bcdByte(time.minute()));
    bytes[kHours] = char(bcdByte(time.hour()));
    bytes[kDay] = char(bcdByte(date.day()));
    bytes[kMonth] = char(bcdByte(date.month()));
    bytes[kYear] = char(bcdByte(date.year() % 100));
    return bytes;
}

bool SimClock::set(const QByteArray &bytes, const QDateTime &nowUtc)
{
    const std::optional<QDateTime> time = decode(bytes);
    if (!time)
        return false;
    m_offsetSecs = nowUtc.toUTC().secsTo(*time);
    return true;
}
