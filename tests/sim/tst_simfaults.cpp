// Fault plans against the real link: each row runs one exchange of TMainCPort through the
// in-process transport and checks how it ends and which requests reached the simulator.
// The reply timer is played by hand whenever nothing more is on its way, so a missed
// reply costs no real time.
#include "blockpackets.h"
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
        if (exchange.startsWith(QLatin1String("whole-")))
            return startWholeWrite(exchange);
        if (exchange == QLatin1String("identify")) {
            link.Identify(&window);
            return;
        }
        if (exchange == QLatin1String("read-second-half-first")) {
            list.AddSetAddress(0x4808);
            list.AddReadMemory(8, 8, 8);
        }
        list.AddSetAddress(0x4800);
        if (exchange == QLatin1String("read"))
            list.AddReadMemory(16, 16, 0);
        else if (exchange == QLatin1String("read-second-half-first"))
            list.AddReadMemory(8, 8, 0);
        else
            list.AddWriteMemory(2, 0, 4, hexBytes("A1 A2 A3 A4"));
        link.Start(&window, &list);
    }

    // A write as the program sends it: a panel's EEPROM and memory blocks, or firmware
    // blocks of 16 bytes from 0x0800 (a set-address before every tenth).
    void startWholeWrite(const QString &exchange)
    {
        const QByteArray eeprom = patterned(64, 0x31);
        const QByteArray memory = patterned(2048, 0x57);
        if (exchange == QLatin1String("whole-16p")) {
            const QList<DeviceBlock> blocks = deviceWriteBlocks(PanelModel::SixteenZone, 2);
            appendDeviceWrite(list, blocks, PanelArea::Eeprom, eeprom, memory);
            appendDeviceWrite(list, blocks, PanelArea::Memory, eeprom, memory);
        } else if (exchange == QLatin1String("whole-8p-eeprom")) {
            appendDeviceWrite(list, deviceWriteBlocks(PanelModel::EightZone, 4), PanelArea::Eeprom,
                              eeprom, memory);
        } else {
            QList<THexData> firmware;
            for (int i = 0; i < 25; ++i) {
                const quint16 address = quint16(0x0800 + 16 * i);
                firmware.append({16, address, address + 16, memory.mid(16 * i, 16)});
            }
            list.AddFirmwareToDevice(firmware);
        }
        link.Start(&window, &list);
    }

    static QByteArray patterned(int size, int seed)
    {
        QByteArray bytes(size, '\0');
        for (int i = 0; i < size; ++i)
            bytes[i] = char((i * seed + 11) & 0xFF);
        return bytes;
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
    void droppedReplyLeavesDeviceAsFaultFree_data();
    void droppedReplyLeavesDeviceAsFaultFree();

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
                                           // read-second-half-first: the same in two 8-byte
                                           // reads, bytes 8-15 first;
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
    QTest::newRow("failed-pointer-write-resent-from-its-set-address")
        << "drop,req=3" << "write" << 0 << C{1, 2, 2, 1, 2, 2} << true;
    QTest::newRow("wrong-command-reply-waits-then-resends-from-set-address")
        << "wrongcmd,req=2" << "write" << 0 << C{1, 2, 1, 2, 2} << true;
    QTest::newRow("unanswered-read-fails-though-its-set-address-is-answered")
        << "drop,cmd=6,always" << "read" << 0 << C{1, 6, 1, 6, 1, 6, 1, 6, 1, 6} << false;
    QTest::newRow("command-trigger-spares-other-commands")
        << "corrupt,cmd=1,times=2" << "read" << 0 << C{1, 1, 1, 6} << true;
    QTest::newRow("silent-device-fails-from-resend-point")
        << "silent,req=2" << "read" << 0 << C{1, 6, 1, 1, 1, 1} << false;
    QTest::newRow("first-matching-rule-wins")
        << "split:2,req=2; drop,cmd=6" << "read" << 0 << C{1, 6} << true;
    QTest::newRow("paced-line-with-split-reply")
        << "split:4:2,cmd=6" << "read" << 115200 << C{1, 6} << true;
    // 200 bytes more than the 16 asked for: the frame's length byte caps them at 234.
    QTest::newRow("reply-longer-than-asked-taken-once")
        << "surplus:200,cmd=6" << "read" << 0 << C{1, 6} << true;
    // The first half's reply runs on over the second half, read before it: that stays.
    QTest::newRow("reply-longer-than-asked-spoils-no-earlier-read")
        << "surplus:8,req=4" << "read-second-half-first" << 0 << C{1, 6, 1, 6} << true;
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
    if (!succeeds)
        return;
    if (exchange.startsWith(QLatin1String("read")))
        QCOMPARE(rig.state.MemoryImage, kStoredBytes);
    if (exchange == QLatin1String("write"))
        QCOMPARE(rig.device.read(SimArea::Memory, 0x4800, 16).value(),
                 hexBytes("A1 A2 A3 A4") + kStoredBytes.mid(4));
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

// A reply lost after the device applied the request: the resend goes from the set-address
// that positioned the device's pointer, so every byte still lands at its address.
// Request numbers and frame counts are worked out from the documented write lists:
// 16-zone: 1 address 0, 2-4 EEPROM 0-19 in chunks of 8, 5 address 24, 6 bytes 20-23,
// 7 address 64, 8 bytes 24-27, then per memory block an address and one write (9-74).
// 8-zone EEPROM (variant 4): 1 address 0, 2-3 bytes 0-15, 4 address 64, 5 bytes 16-19.
// Firmware: 1 address 0x0800, 2-11 blocks 0-9, 12 address, 13-22, 23 address, 24-28.
void TstSimFaults::droppedReplyLeavesDeviceAsFaultFree_data()
{
    QTest::addColumn<QString>("exchange");
    QTest::addColumn<int>("dropped"); // 1-based request whose reply is lost
    QTest::addColumn<int>("frames");  // requests the device receives

    QTest::newRow("16p-eeprom-set-address") << "whole-16p" << 1 << 75;
    QTest::newRow("16p-second-eeprom-chunk") << "whole-16p" << 3 << 77;
    QTest::newRow("16p-short-last-chunk-of-run") << "whole-16p" << 4 << 78;
    QTest::newRow("16p-set-address-24") << "whole-16p" << 5 << 75;
    QTest::newRow("16p-chunk-of-4-at-64") << "whole-16p" << 8 << 76;
    QTest::newRow("16p-memory-set-address") << "whole-16p" << 9 << 75;
    QTest::newRow("16p-memory-block") << "whole-16p" << 10 << 76;
    QTest::newRow("16p-last-memory-block") << "whole-16p" << 74 << 76;
    QTest::newRow("8p-eeprom-second-chunk") << "whole-8p-eeprom" << 3 << 8;
    QTest::newRow("8p-eeprom-last-chunk") << "whole-8p-eeprom" << 5 << 7;
    QTest::newRow("firmware-block-in-run") << "whole-firmware" << 9 << 37;
    QTest::newRow("firmware-tenth-set-address") << "whole-firmware" << 12 << 29;
    QTest::newRow("firmware-first-block-of-run") << "whole-firmware" << 13 << 30;
    QTest::newRow("firmware-last-block") << "whole-firmware" << 28 << 34;
}

void TstSimFaults::droppedReplyLeavesDeviceAsFaultFree()
{
    QFETCH(QString, exchange);
    QFETCH(int, dropped);
    QFETCH(int, frames);

    Rig clean(FaultPlan{}, 0);
    QVERIFY(clean.link.OpenPort());
    clean.start(exchange);
    clean.runToEnd();
    QCOMPARE(clean.window.messages.last(), linkevent::EndRead);

    const FaultPlan::Parsed parsed = FaultPlan::parse(QStringLiteral("drop,req=%1").arg(dropped));
    QVERIFY(parsed.plan);
    Rig faulty(*parsed.plan, 0);
    QVERIFY(faulty.link.OpenPort());
    faulty.start(exchange);
    faulty.runToEnd();
    QCOMPARE(faulty.window.messages.last(), linkevent::EndRead);
    QCOMPARE(faulty.commandsReceived.size(), frames);
    for (SimArea area : {SimArea::Eeprom, SimArea::Memory}) {
        const int size = SimDevice::areaSize(area);
        QCOMPARE(faulty.device.read(area, 0, size), clean.device.read(area, 0, size));
    }
}

QTEST_GUILESS_MAIN(TstSimFaults)
#include "tst_simfaults.moc"
