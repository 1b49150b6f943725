// The simulated device and configurator: the reply to every command, the address pointer,
// the bounds of every area, request framing, and the device clock. Expected frames are
// worked out by hand (checksums with a separate CRC-8 routine checked against the four
// documented examples).
#include "simconfigurator.h"
#include "simdevice.h"
#include "simendpoint.h"
#include "simtesthelpers.h"

#include <QTest>

namespace {

// 2026-03-07 14:30:25 UTC; the device's clock is set explicitly wherever a row reads it.
const QDateTime kNow(QDate(2026, 3, 7), QTime(14, 30, 25), Qt::UTC);

// The bytes that go back for `request`, all reply pieces joined.
QByteArray exchange(SimEndpoint &endpoint, const QByteArray &request)
{
    QByteArray reply;
    for (const ReplyPiece &piece : endpoint.receive(request))
        reply += piece.bytes;
    return reply;
}

// Sends each "request | reply" step and compares what comes back.
void runSteps(SimEndpoint &endpoint, const QStringList &steps)
{
    for (const QString &step : steps) {
        const QByteArray request = hexBytes(step.section(u'|', 0, 0));
        QCOMPARE(exchange(endpoint, request), hexBytes(step.section(u'|', 1)));
    }
}

} // namespace

class TstSimCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void deviceCommands_data();
    void deviceCommands();
    void configuratorCommands_data();
    void configuratorCommands();
    void requestFramedAcrossBlocksAndAfterNoise_data();
    void requestFramedAcrossBlocksAndAfterNoise();
    void clockTicks_data();
    void clockTicks();
    void clockRefusesInvalidTime_data();
    void clockRefusesInvalidTime();
};

// Each step: "request | expected reply" (nothing after the bar: no reply). The device is a
// fresh 16-zone panel (type 0x1E) of variant 2, alone on the line.
void TstSimCommands::deviceCommands_data()
{
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("identify-gives-type-and-variant") << QStringList{
        "C6 01 07 07 00 00 1C | C6 01 07 07 1E 02 90"};
    QTest::newRow("memory-write-then-read-back") << QStringList{
        "C6 01 07 01 00 48 49 | C6 01 05 01 3A",
        "C6 01 07 02 12 34 8B | C6 01 05 02 D8",
        "C6 01 07 01 00 48 49 | C6 01 05 01 3A",
        "C6 01 07 06 00 00 B7 | C6 01 07 06 12 34 15"};
    QTest::newRow("writes-advance-the-pointer") << QStringList{
        "C6 01 07 01 00 48 49 | C6 01 05 01 3A",
        "C6 01 07 02 12 34 8B | C6 01 05 02 D8",
        "C6 01 06 02 56 77 | C6 01 05 02 D8",
        "C6 01 07 01 00 48 49 | C6 01 05 01 3A",
        "C6 01 08 06 00 00 00 DE | C6 01 08 06 12 34 56 CB"};
    QTest::newRow("eeprom-byte-reads-advance-the-pointer") << QStringList{
        "C6 01 07 01 10 00 21 | C6 01 05 01 3A",
        "C6 01 07 03 AA BB 99 | C6 01 05 03 86",
        "C6 01 07 01 10 00 21 | C6 01 05 01 3A",
        "C6 01 07 05 00 00 53 | C6 01 06 05 AA CE",
        "C6 01 07 05 00 00 53 | C6 01 06 05 BB 0D"};
    QTest::newRow("eeprom-and-memory-are-separate") << QStringList{
        "C6 01 07 01 00 00 CD | C6 01 05 01 3A",
        "C6 01 06 03 11 76 | C6 01 05 03 86",
        "C6 01 07 01 00 00 CD | C6 01 05 01 3A",
        "C6 01 06 06 00 4A | C6 01 06 06 00 4A"};
    QTest::newRow("regular-mode-is-not-answered") << QStringList{"C6 01 07 08 00 00 43 | "};
    QTest::newRow("short-address-write-and-read") << QStringList{
        "C6 01 0C 09 C1 01 02 03 04 05 06 A1 | C6 01 05 09 F8",
        "C6 01 07 0A C1 06 A1 | C6 01 0B 0A 01 02 03 04 05 06 AD"};
    QTest::newRow("short-read-past-area-end-not-answered") << QStringList{
        "C6 01 07 0A C1 40 3A | "};
    QTest::newRow("clock-write-then-read") << QStringList{
        "C6 01 0C 0C 25 30 14 07 03 00 26 2E | C6 01 05 0C C7",
        "C6 01 07 0B 01 01 3D | C6 01 0C 0B 25 30 14 07 03 00 26 FE"};
    QTest::newRow("clock-write-of-zeros-not-answered-clock-kept") << QStringList{
        "C6 01 0C 0C 25 30 14 07 03 00 26 2E | C6 01 05 0C C7",
        "C6 01 0C 0C 00 00 00 00 00 00 00 1A | ",
        "C6 01 07 0B 01 01 3D | C6 01 0C 0B 25 30 14 07 03 00 26 FE"};
    // 07.03.2026 14:30:25 as plain numbers, the year as the low byte of 2026.
    QTest::newRow("clock-write-of-plain-numbers-not-answered") << QStringList{
        "C6 01 0C 0C 25 30 14 07 03 00 26 2E | C6 01 05 0C C7",
        "C6 01 0C 0C 19 1E 0E 07 03 00 EA 32 | ",
        "C6 01 07 0B 01 01 3D | C6 01 0C 0B 25 30 14 07 03 00 26 FE"};
    QTest::newRow("eeprom-write-past-end-refused-whole") << QStringList{
        "C6 01 07 01 FF 00 4C | C6 01 05 01 3A",
        "C6 01 07 03 01 02 FA | ",
        "C6 01 07 01 FF 00 4C | C6 01 05 01 3A",
        "C6 01 07 05 00 00 53 | C6 01 06 05 00 1F"};
    QTest::newRow("memory-read-past-top-not-answered") << QStringList{
        "C6 01 07 01 FF FF 79 | C6 01 05 01 3A",
        "C6 01 07 06 00 00 B7 | "};
    QTest::newRow("unknown-command-not-answered") << QStringList{"C6 01 07 04 00 00 F8 | "};
    QTest::newRow("set-address-of-one-byte-not-answered") << QStringList{"C6 01 06 01 00 24 | "};
    QTest::newRow("configurator-addressee-absent") << QStringList{"C6 07 07 07 00 00 80 | "};
}

void TstSimCommands::deviceCommands()
{
    QFETCH(QStringList, steps);
    SimDevice device(0x1E, 2);
    device.setTimeSource([] { return kNow; });
    SimEndpoint endpoint(device);
    runSteps(endpoint, steps);
}

// The configurator shares the line with the device.
void TstSimCommands::configuratorCommands_data()
{
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("descriptor-store-and-read") << QStringList{
        "C6 07 11 01 00 10 1E 02 01 00 15 00 00 08 00 12 0E | C6 07 05 01 EB",
        "C6 07 07 03 00 10 83 | C6 07 45 03 1E 02 01 00 15 00 00 08 00 12 FF*54 A3"};
    QTest::newRow("data-store-and-read-from-inside-it") << QStringList{
        "C6 07 0B 02 00 15 11 22 33 44 B2 | C6 07 05 02 09",
        "C6 07 07 03 02 15 2D | C6 07 45 03 33 44 FF*62 27"};
    // Firmware descriptors lie 4 addresses apart: each is read back whole from its address.
    QTest::newRow("records-4-apart-each-kept-whole") << QStringList{
        "C6 07 11 01 00 12 1E 02 02 00 40 00 08 18 04 12 D0 | C6 07 05 01 EB",
        "C6 07 11 01 04 12 1E 02 02 08 40 18 08 18 00 00 C0 | C6 07 05 01 EB",
        "C6 07 07 03 04 12 04 | C6 07 45 03 1E 02 02 08 40 18 08 18 00 00 FF*54 CE",
        "C6 07 07 03 00 12 3F | C6 07 45 03 1E 02 02 00 40 00 08 18 04 12 08 18 00 00 FF*50 36"};
    QTest::newRow("fresh-store-is-erased") << QStringList{
        "C6 07 07 03 C0 60 CF | C6 07 45 03 FF*64 B2"};
    QTest::newRow("read-of-the-last-64-bytes") << QStringList{
        "C6 07 07 03 C0 FF 9F | C6 07 45 03 FF*64 B2"};
    QTest::newRow("read-past-the-top-not-answered") << QStringList{"C6 07 07 03 C1 FF 5B | "};
    QTest::newRow("store-past-the-top-not-answered") << QStringList{
        "C6 07 09 02 FF FF AA BB CC | "};
    QTest::newRow("descriptor-of-nine-bytes-not-answered") << QStringList{
        "C6 07 10 01 00 10 1E 02 01 00 15 00 00 08 00 2B | "};
    QTest::newRow("unknown-command-not-answered") << QStringList{"C6 07 07 04 00 00 64 | "};
    QTest::newRow("device-still-answers") << QStringList{
        "C6 01 07 07 00 00 1C | C6 01 07 07 1E 02 90"};
}

void TstSimCommands::configuratorCommands()
{
    QFETCH(QStringList, steps);
    SimDevice device(0x1E, 2);
    SimConfigurator configurator;
    SimEndpoint endpoint(device, &configurator);
    runSteps(endpoint, steps);
}

void TstSimCommands::requestFramedAcrossBlocksAndAfterNoise_data()
{
    QTest::addColumn<QStringList>("blocks");
    QTest::newRow("in-two-blocks") << QStringList{"C6 01 07", "07 00 00 1C"};
    QTest::newRow("after-noise-bytes") << QStringList{"00 55 C6 01 07 07 00 00 1C"};
    QTest::newRow("after-a-false-start-byte") << QStringList{"C6 C6 01 07 07 00 00 1C"};
    QTest::newRow("after-a-frame-with-bad-checksum")
        << QStringList{"C6 01 07 07 00 00 1D", "C6 01 07 07 00 00 1C"};
}

void TstSimCommands::requestFramedAcrossBlocksAndAfterNoise()
{
    QFETCH(QStringList, blocks);
    SimDevice device(0x1E, 2);
    SimEndpoint endpoint(device);
    QByteArray replies;
    for (const QString &block : blocks)
        replies += exchange(endpoint, hexBytes(block));
    QCOMPARE(replies, hexBytes("C6 01 07 07 1E 02 90"));
    QCOMPARE(endpoint.requestsReceived(), 1);
}

// Clock bytes: seconds, minutes, hours, day, month, unused, year.
void TstSimCommands::clockTicks_data()
{
    QTest::addColumn<QString>("setTo");
    QTest::addColumn<int>("secondsLater");
    QTest::addColumn<QString>("shows");
    QTest::newRow("same-instant") << "25 30 14 07 03 00 26" << 0 << "25 30 14 07 03 00 26";
    QTest::newRow("one-second") << "25 30 14 07 03 00 26" << 1 << "26 30 14 07 03 00 26";
    QTest::newRow("minute-and-hour-carry") << "59 59 14 07 03 00 26" << 1 << "00 00 15 07 03 00 26";
    QTest::newRow("new-century-year-00") << "59 59 23 31 12 00 99" << 1 << "00 00 00 01 01 00 00";
    QTest::newRow("leap-day") << "59 59 23 28 02 00 28" << 1 << "00 00 00 29 02 00 28";
    QTest::newRow("a-day-later") << "00 00 12 30 04 00 26" << 86400 << "00 00 12 01 05 00 26";
}

void TstSimCommands::clockTicks()
{
    QFETCH(QString, setTo);
    QFETCH(int, secondsLater);
    QFETCH(QString, shows);
    SimClock clock;
    QVERIFY(clock.set(hexBytes(setTo), kNow));
    QCOMPARE(clock.read(kNow.addSecs(secondsLater)), hexBytes(shows));
}

void TstSimCommands::clockRefusesInvalidTime_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::newRow("all-zero") << "00 00 00 00 00 00 00";
    QTest::newRow("seconds-not-bcd") << "1A 30 14 07 03 00 26";
    QTest::newRow("year-not-bcd") << "00 30 14 07 03 00 9A";
    QTest::newRow("february-30") << "00 00 00 30 02 00 26";
    QTest::newRow("hour-24") << "00 00 24 01 01 00 26";
    QTest::newRow("six-bytes") << "00 30 14 07 03 00";
}

void TstSimCommands::clockRefusesInvalidTime()
{
    QFETCH(QString, bytes);
    SimClock clock;
    QVERIFY(clock.set(hexBytes("25 30 14 07 03 00 26"), kNow));
    QVERIFY(!clock.set(hexBytes(bytes), kNow));
    QCOMPARE(clock.read(kNow.addSecs(5)), hexBytes("30 30 14 07 03 00 26"));
}

QTEST_GUILESS_MAIN(TstSimCommands)
#include "tst_simcommands.moc"
