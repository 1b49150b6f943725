// The 2/4's clock bytes: what a write sends for each choice of the clock group, and how a
// read clock reaches the labels. Bytes are BCD, seconds first, worked out by hand.
#include "controlstartclock.h"

#include <QTest>

using namespace controlstart;

namespace {

const QDateTime kNow(QDate(2031, 12, 31), QTime(23, 59, 58));
const QDateTime kUserTime(QDate(2026, 3, 7), QTime(14, 30, 25));

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

} // namespace

class TstControlStartClock : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void bytesWritten_data();
    void bytesWritten();
    void readClockShown_data();
    void readClockShown();
};

void TstControlStartClock::bytesWritten_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<bool>("systemTime");
    QTest::addColumn<QDateTime>("userTime");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("unchecked-sends-no-date") << false << true << kUserTime << hex("00000000000000");
    QTest::newRow("given-time") << true << false << kUserTime << hex("25301407030026");
    QTest::newRow("system-time-is-now") << true << true << kUserTime << hex("58592331120031");
    QTest::newRow("year-2000") << true << false << QDateTime(QDate(2000, 1, 9), QTime(0, 0, 9))
                               << hex("09000009010000");
}

void TstControlStartClock::bytesWritten()
{
    QFETCH(bool, write);
    QFETCH(bool, systemTime);
    QFETCH(QDateTime, userTime);
    QFETCH(QByteArray, bytes);
    ClockSettings clock;
    clock.write = write;
    clock.systemTime = systemTime;
    clock.userTime = userTime;
    QCOMPARE(clockBytes(clock, kNow), bytes);
}

void TstControlStartClock::readClockShown_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("deviceText");
    QTest::addColumn<QString>("readAtText");
    QTest::newRow("documented-example") << hex("25301407030026") << "07.03.26 14:30:25"
                                        << "31.12.31 23:59:58";
    QTest::newRow("all-zero-keeps-the-labels") << hex("25301400000000") << "before" << "before too";
    QTest::newRow("year-alone-is-a-date") << hex("00000000000001") << "00.00.01 00:00:00"
                                          << "31.12.31 23:59:58";
    QTest::newRow("not-bcd-shown-as-stored") << hex("5A3014070C001F") << "07.0C.1F 14:30:5A"
                                             << "31.12.31 23:59:58";
}

void TstControlStartClock::readClockShown()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, deviceText);
    QFETCH(QString, readAtText);
    ClockSettings clock;
    clock.deviceText = QStringLiteral("before");
    clock.readAtText = QStringLiteral("before too");
    showDeviceClock(bytes, kNow, clock);
    QCOMPARE(clock.deviceText, deviceText);
    QCOMPARE(clock.readAtText, readAtText);
}

QTEST_GUILESS_MAIN(TstControlStartClock)
#include "tst_controlstartclock.moc"
