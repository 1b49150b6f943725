#include "controlstartclock.h"

#include "controlstartmap.h"
#include "panelencoding.h"

namespace controlstart {

namespace {

QString hexPair(const QByteArray &bytes, ClockByte which)
{
    return QStringLiteral("%1").arg(byteAt(bytes, which), 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QByteArray clockBytes(const ClockSettings &clock, const QDateTime &now)
{
    QByteArray bytes(kClockSize, '\0');
    if (!clock.write)
        return bytes;
    const QDateTime time = clock.systemTime ? now : clock.userTime;
    bytes[kSeconds] = char(bcdByte(time.time().second()));
    bytes[kMinutes] = char(bcdByte(time.time().minute()));
    bytes[kHours] = char(bcdByte(time.time().hour()));
    bytes[kDay] = char(bcdByte(time.date().day()));
    bytes[kMonth] = char(bcdByte(time.date().month()));
    bytes[kYear] = char(bcdByte(time.date().year() % 100));
    return bytes;
}

void showDeviceClock(const QByteArray &bytes, const QDateTime &now, ClockSettings &clock)
{
    if (!byteAt(bytes, kDay) && !byteAt(bytes, kMonth) && !byteAt(bytes, kYear))
        return;
    clock.deviceText = QStringLiteral("%1.%2.%3 %4:%5:%6")
                           .arg(hexPair(bytes, kDay), hexPair(bytes, kMonth), hexPair(bytes, kYear),
                                hexPair(bytes, kHours), hexPair(bytes, kMinutes), hexPair(bytes, kSeconds));
    clock.readAtText = now.toString(QStringLiteral("dd.MM.yy hh:mm:ss"));
}

} // namespace controlstart
