// Fault plans against the real link: each row runs one exchange of TMainCPort through the
// in-process transport and checks how it ends and which requests reached the simulator.
// The reply timer is played by hand whenever nothing more is on its way, so a missed
// reply costs no real time.
#include "comport.h"
#include "faultplan.h"
#include "frame.h"
#include "linkevents.h"
#include "scripteddialogs.h"
#include "simconfigurator.h"
#include "simdevice.h"
#include "simendpoint.h"
#include "simport.h"
#include "simtesthelpers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kStoredBytes = hexBytes("10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F");
constexpr int kWaitMs = 10000;

// Takes the link's posted messages.
class Window : public QObject
{
public:
    QList<QEvent::Type> messages;
    bool event(QEvent *e) override
    {
        if (e->type() < QEvent::User)
            return QObject::event(e);
        messages.append(e->type());
        return true;
    }
    bool ended() const
    {
        return messages.contains(linkevent::EndRead) || messages.contains(linkevent::ErrorTransmit);
    }
};

struct Rig {
    SimDevice device{0x1E, 2};
    SimConfigurator configurator;
    SimEndpoint endpoint{device, &configurator};
    QList<int> commandsReceived;
    ExchangeState state;
    SimPort *port;
    TMainCPort link;
    Window window;
    TPacketList list;

    Rig(FaultPlan plan, int baudRate)
        : port(new SimPort(endpoint, baudRate)), link(state, std::unique_ptr<QIODevice>(port))
    {
        endpoint.setFaultPlan(std::move(plan));
        endpoint.setTraceObserver([this](const TraceEntry &e) {
            if (e.kind == TraceEntry::Kind::Request)
                commandsReceived.append(frame::byteAt(e.bytes, 3));
        });
        device.write(SimArea::Memory, 0x4800, kStoredBytes);
        state.resetImages(0, 16);
        link.setManualTimer(true);
    }

    void start(const QString &exchange)
    {
        if (exchange == QLatin1String("identify")) {
            link.Identify(&window);
            return;
        }
        list.AddSetAddress(0x4800);
        if (exchange == QLatin1String("read"))
            list.AddReadMemory(16, 16, 0);
        else
            list.AddWriteMemory(2, 0, 4, hexBytes("A1 A2 A3 A4"));
        link.Start(&window, &list);
    }

    // The link waits for a reply and nothing is on its way.
    bool waitingInVain() const { return link.replyTimerArmed() && port->idle(); }

    // Lets replies arrive; when the link waits for one that will never come, the reply
    // timer fires.
    void runToEnd()
    {
        for (int round = 0; round <= TMainCPort::kMaxSends && !window.ended(); ++round) {
            QTRY_VERIFY_WITH_TIMEOUT(window.ended() || waitingInVain(), kWaitMs);
            if (!window.ended())
                link.OnTimeout();
        }
        QTRY_VERIFY_WITH_TIMEOUT(window.ended(), kWaitMs);
    }
};

} // namespace

class TstSimFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void faultPlanAgainstLink_data();
    void faultPlanAgainstLink();
    void readDataReachesImageThroughFaults();

private:
    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
};

void TstSimFaults::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QDir::setCurrent(m_dir.path()); // the link writes Logs/VexLoader.log here
}

void TstSimFaults::faultPlanAgainstLink_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QString>("exchange"); // identify; read: set-address + 16-byte read;
                                           // write: set-address + two 2-byte writes
    QTest::addColumn<int>("baudRate");
    QTest::addColumn<QList<int>>("commands"); // command bytes received, in order
    QTest::addColumn<bool>("succeeds");

    using C = QList<int>;
    QTest::newRow("no-fault") << "" << "identify" << 0 << C{7} << true;
    QTest::newRow("dropped-reply-resent") << "drop" << "identify" << 0 << C{7, 7} << true;
    QTest::newRow("corrupt-checksum-resent") << "corrupt" << "identify" << 0 << C{7, 7} << true;
    QTest::newRow("wrong-command-byte-resent") << "wrongcmd" << "identify" << 0 << C{7, 7} << true;
    QTest::newRow("garbage-before-start-byte-resent")
        << "garbage:3" << "identify" << 0 << C{7, 7} << true;
    QTest::newRow("truncated-reply-resent") << "truncate:2" << "identify" << 0 << C{7, 7} << true;
    QTest::newRow("split-reply-framed-once") << "split:3:5" << "identify" << 0 << C{7} << true;
    QTest::newRow("delayed-reply-still-taken") << "delay:50" << "identify" << 0 << C{7} << true;
    QTest::newRow("four-misses-then-success")
        << "drop,times=4" << "identify" << 0 << C{7, 7, 7, 7, 7} << true;
    QTest::newRow("fifth-miss-fails") << "drop,always" << "identify" << 0 << C{7, 7, 7, 7, 7} << false;
    QTest::newRow("failed-read-resent-with-its-set-address")
        << "drop,cmd=0x06" << "read" << 0 << C{1, 6, 1, 6} << true;
    QTest::newRow("failed-write-resent-alone") << "drop,req=3" << "write" << 0 << C{1, 2, 2, 2} << true;
    QTest::newRow("command-trigger-spares-other-commands")
        << "corrupt,cmd=1,times=2" << "read" << 0 << C{1, 1, 1, 6} << true;
    QTest::newRow("silent-device-fails-from-resend-point")
        << "silent,req=2" << "read" << 0 << C{1, 6, 1, 1, 1, 1} << false;
    QTest::newRow("first-matching-rule-wins")
        << "split:2,req=2; drop,cmd=6" << "read" << 0 << C{1, 6} << true;
    QTest::newRow("paced-line-with-split-reply")
        << "split:4:2,cmd=6" << "read" << 115200 << C{1, 6} << true;
}

void TstSimFaults::faultPlanAgainstLink()
{
    QFETCH(QString, plan);
    QFETCH(QString, exchange);
    QFETCH(int, baudRate);
    QFETCH(QList<int>, commands);
    QFETCH(bool, succeeds);

    const FaultPlan::Parsed parsed = FaultPlan::parse(plan);
    QVERIFY2(parsed.plan, qPrintable(parsed.error));
    Rig rig(*parsed.plan, baudRate);
    QVERIFY(rig.link.OpenPort());
    rig.start(exchange);
    rig.runToEnd();

    QCOMPARE(rig.commandsReceived, commands);
    const QEvent::Type last = succeeds ? linkevent::EndRead : linkevent::ErrorTransmit;
    QCOMPARE(rig.window.messages.last(), last);
    QCOMPARE(rig.window.messages.count(last), 1);
}

// What the sequencer stores comes from the simulated device, whatever the faults did.
void TstSimFaults::readDataReachesImageThroughFaults()
{
    const FaultPlan::Parsed parsed =
        FaultPlan::parse(QStringLiteral("garbage:2,cmd=6; split:5:1,cmd=6"));
    QVERIFY(parsed.plan);
    Rig rig(*parsed.plan, 0);
    QVERIFY(rig.link.OpenPort());
    rig.start(QStringLiteral("read"));
    rig.runToEnd();
    QCOMPARE(rig.window.messages.last(), linkevent::EndRead);
    QCOMPARE(rig.state.MemoryImage, kStoredBytes);
}

QTEST_GUILESS_MAIN(TstSimFaults)
#include "tst_simfaults.moc"
