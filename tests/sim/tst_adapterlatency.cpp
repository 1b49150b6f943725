// The simulated USB-to-serial adapter on the reply path: bytes are held until the latency
// timer started by the first byte held runs out, or handed on when the 62-byte buffer fills.
#include "adapterlatency.h"

#include <QTest>

using Deliveries = QList<QPair<qint64, int>>; // when (µs), how many bytes
Q_DECLARE_METATYPE(Deliveries)

class TstAdapterLatency : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void holds_data();
    void holds();
};

// At 38400 baud a byte takes 260.417 µs on the wire (10 bits); times below are hand-worked.
void TstAdapterLatency::holds_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<qint64>("byteNs");
    QTest::addColumn<int>("latencyMs");
    QTest::addColumn<Deliveries>("deliveries");
    // A 7-byte reply whose first byte is in at 0: all of it 16 ms later.
    QTest::newRow("short-reply-waits-the-timer") << 7 << qint64(260417) << 16 << Deliveries{{16000, 7}};
    // Low-latency mode: the bytes in by 1 ms (at 0, 260, 521, 781 µs) go at 1 ms; the fifth,
    // in at 1042 µs, starts the next hold, which ends at 2042 µs (2041 whole µs).
    QTest::newRow("one-ms-timer-splits-a-reply") << 7 << qint64(260417) << 1
                                                 << Deliveries{{1000, 4}, {2041, 3}};
    // 100 bytes in at once: the buffer fills with 62 and goes; the rest waits the timer.
    QTest::newRow("full-buffer-goes-at-once") << 100 << qint64(0) << 16 << Deliveries{{0, 62}, {16000, 38}};
    QTest::newRow("no-latency-passes-bytes-as-they-come") << 3 << qint64(1000000) << 0
                                                          << Deliveries{{0, 1}, {1000, 1}, {2000, 1}};
}

void TstAdapterLatency::holds()
{
    QFETCH(int, bytes);
    QFETCH(qint64, byteNs);
    QFETCH(int, latencyMs);
    QFETCH(Deliveries, deliveries);
    Deliveries got;
    for (const AdapterDelivery &d : heldByAdapter(QByteArray(bytes, 'x'), 0, byteNs, qint64(latencyMs) * 1000000))
        got.append({d.atNs / 1000, int(d.bytes.size())});
    QCOMPARE(got, deliveries);
}

QTEST_GUILESS_MAIN(TstAdapterLatency)
#include "tst_adapterlatency.moc"
