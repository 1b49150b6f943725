// Progress of an exchange: the bytes each request moves, the share, bytes and time left
// shown on the busy display, measured with a clock moved by hand.
#include "exchangeprogress.h"
#include "manualclock.h"
#include "packets.h"

#include <QTest>

namespace {

const QByteArray kImage(64, '\x11');

// Each request with the setting bytes it carries or asks for.
const struct {
    const char *name;
    void (*build)(TPacketList &);
    int bytes;
} kRequests[] = {
    {"set-address", [](TPacketList &l) { l.AddSetAddress(0x0040); }, 0},
    {"eeprom-write-of-8", [](TPacketList &l) { l.AddWriteEeprom(8, 0, 8, kImage); }, 8},
    {"memory-write-of-16", [](TPacketList &l) { l.AddWriteMemory(16, 0, 16, kImage); }, 16},
    {"eeprom-byte-read", [](TPacketList &l) { l.AddReadEepromByte(3); }, 1},
    {"memory-read-of-16", [](TPacketList &l) { l.AddReadMemory(16, 16, 0); }, 16},
    {"memory-short-read", [](TPacketList &l) { l.AddReadMemoryShort(0); }, 2},
    {"short-write-of-5", [](TPacketList &l) { l.AddShortWrite(0x10, 5, 0, 5, kImage); }, 5},
    {"short-read-of-3", [](TPacketList &l) { l.AddShortRead(0x10, 3, 0); }, 3},
    {"clock-write", [](TPacketList &l) { l.AddClockWrite(0, kImage); }, 7},
    {"clock-read", [](TPacketList &l) { l.AddClockRead(0); }, 7},
    {"identify", [](TPacketList &l) { l.AddIdentify(); }, 0},
    {"descriptor", [](TPacketList &l) { l.AddDescriptor({0x1000, 0x1500, 0x0000, 0x1200, 23, 3, 1, 19}); }, 10},
    {"configurator-write-of-20", [](TPacketList &l) { l.AddConfiguratorWrite(0x1500, 0, 20, kImage); }, 20},
    {"configurator-read-of-32", [](TPacketList &l) { l.AddConfiguratorRead(0x4000, 0, 2, 32); }, 32},
    {"slot-header", [](TPacketList &l) { l.AddReadSlotHeader(0x1040); }, 0},
    {"clear-step", [](TPacketList &l) { l.AddClearConfigurator(); }, 2},
};

} // namespace

class TstExchangeProgress : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void payloadOfEachRequest_data();
    void payloadOfEachRequest();
    void detailsText_data();
    void detailsText();
    void meterFollowsAnsweredRequests_data();
    void meterFollowsAnsweredRequests();
};

void TstExchangeProgress::payloadOfEachRequest_data()
{
    QTest::addColumn<int>("request");
    for (int i = 0; i < int(std::size(kRequests)); ++i)
        QTest::newRow(kRequests[i].name) << i;
}

void TstExchangeProgress::payloadOfEachRequest()
{
    QFETCH(int, request);
    TPacketList list;
    kRequests[request].build(list);
    QCOMPARE(payloadBytes(list.at(0)), kRequests[request].bytes);
}

void TstExchangeProgress::detailsText_data()
{
    QTest::addColumn<qint64>("done");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<QString>("text");
    // Time left = elapsed x (total - done) / done, rounded up to whole seconds.
    QTest::newRow("half-after-4-s") << 2048LL << 4096LL << 4000LL << "50 %, 2 048 з 4 096 байт, залишилось 0:04";
    QTest::newRow("nothing-after-5-s") << 0LL << 32768LL << 5000LL << "0 %, 0 з 32 768 байт";
    QTest::newRow("first-second-shows-no-time") << 100LL << 4096LL << 999LL << "2 %, 100 з 4 096 байт";
    // 30 000 x 2 862 / 1 234 = 69 579 ms
    QTest::newRow("over-a-minute") << 1234LL << 4096LL << 30000LL << "30 %, 1 234 з 4 096 байт, залишилось 1:10";
    QTest::newRow("an-hour-in-minutes") << 1000000LL << 2000000LL << 3600000LL
                                        << "50 %, 1 000 000 з 2 000 000 байт, залишилось 60:00";
    QTest::newRow("all-done") << 4096LL << 4096LL << 8000LL << "100 %, 4 096 з 4 096 байт";
}

void TstExchangeProgress::detailsText()
{
    QFETCH(qint64, done);
    QFETCH(qint64, total);
    QFETCH(qint64, elapsedMs);
    QTEST(progressDetails(done, total, elapsedMs), "text");
}

void TstExchangeProgress::meterFollowsAnsweredRequests_data()
{
    QTest::addColumn<bool>("movesBytes");
    QTest::addColumn<int>("answered");
    QTest::addColumn<qint64>("nowMs"); // the meter started at 500 ms
    QTest::addColumn<QString>("text");
    // Set-address (0 bytes), an 8-byte EEPROM write, a 16-byte memory write: 24 bytes.
    QTest::newRow("started") << true << 0 << 500LL << "0 %, 0 з 24 байт";
    QTest::newRow("set-address-moves-nothing") << true << 1 << 2000LL << "0 %, 0 з 24 байт";
    QTest::newRow("8-bytes-in-2-s") << true << 2 << 2500LL << "33 %, 8 з 24 байт, залишилось 0:04";
    QTest::newRow("all-answered") << true << 3 << 3000LL << "100 %, 24 з 24 байт";
    QTest::newRow("more-than-planned-stays-at-end") << true << 9 << 3000LL << "100 %, 24 з 24 байт";
    // Four survey requests move no setting bytes: the share of requests answered.
    QTest::newRow("survey-half") << false << 2 << 1500LL << "50 %";
}

void TstExchangeProgress::meterFollowsAnsweredRequests()
{
    QFETCH(bool, movesBytes);
    QFETCH(int, answered);
    QFETCH(qint64, nowMs);
    ManualClock clock;
    clock.now = 500;
    TPacketList list;
    if (movesBytes) {
        list.AddSetAddress(0x0000);
        list.AddWriteEeprom(8, 0, 8, QByteArray(8, '\x01'));
        list.AddWriteMemory(16, 0, 16, QByteArray(16, '\x02'));
    } else {
        list.AddSurveySlots();
    }
    ProgressMeter meter(clock);
    meter.start(list);
    clock.now = nowMs;
    QTEST(meter.details(answered), "text");
}

QTEST_GUILESS_MAIN(TstExchangeProgress)
#include "tst_exchangeprogress.moc"
