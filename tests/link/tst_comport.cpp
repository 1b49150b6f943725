// The serial link against a scripted device: framing, the sequencer's resends and
// failure, the stores into the shared images and the posted messages.
#include "comport.h"
#include "exchangetexts.h"
#include "frame.h"
#include "linkevents.h"
#include "scripteddialogs.h"
#include "scriptedtransport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>

using FaultMap = QMap<int, int>;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// Records the link's messages in arrival order.
class Receiver : public QObject
{
public:
    QList<int> events;
    bool event(QEvent *e) override
    {
        if (e->type() >= QEvent::User) {
            events.append(e->type() - QEvent::User);
            return true;
        }
        return QObject::event(e);
    }
};

enum Fault { None, Drop, BadCrc, WrongCommand };

// A well-behaved device: identify answers type 23 variant 0, reads answer 0x5A bytes,
// configurator reads answer 64 bytes 0xFF; `faults` spoils the reply to the n-th frame.
QByteArray deviceReply(const QByteArray &request)
{
    const quint8 addressee = frame::byteAt(request, 1);
    const quint8 command = frame::byteAt(request, 3);
    QByteArray payload;
    if (addressee == frame::kAddrConfigurator && command == frame::kCmdReadStore)
        payload = QByteArray(64, '\xFF');
    else if (command == frame::kCmdIdentify)
        payload = hex("17 00");
    else if (command == frame::kCmdReadEepromByte)
        payload = hex("5A");
    else if (command == frame::kCmdReadMemory)
        payload = QByteArray(request.size() - frame::kOverhead, '\x5A');
    return frame::make(addressee, command, payload);
}

struct Link {
    ExchangeState state;
    ScriptedTransport *transport = new ScriptedTransport;
    TMainCPort port{state, std::unique_ptr<QIODevice>(transport)};
    Receiver receiver;
    QMap<int, Fault> faults; // by the 0-based number of the frame written

    Link()
    {
        port.setManualTimer(true);
        transport->responder = [this](const QByteArray &request) {
            const Fault fault = faults.value(int(transport->written.size()) - 1, None);
            QByteArray reply = deviceReply(request);
            switch (fault) {
            case Drop: return QByteArray();
            case BadCrc: reply[reply.size() - 1] = char(reply.back() ^ 0xFF); break;
            case WrongCommand:
                reply = frame::make(frame::byteAt(reply, 1), frame::byteAt(reply, 3) + 1,
                                    reply.mid(4, reply.size() - 5));
                break;
            case None: break;
            }
            return reply;
        };
        QVERIFY(port.OpenPort());
    }

    // Lets the replies arrive; when the device stays silent, plays the reply timer.
    void runToEnd()
    {
        for (int guard = 0; guard < 100; ++guard) {
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            if (receiver.events.contains(101) || receiver.events.contains(102) || receiver.events.contains(105))
                return;
            if (port.replyTimerArmed() && !hasPendingReply())
                port.OnTimeout();
        }
    }
    bool hasPendingReply() const { return transport->replyPending(); }

    QList<quint8> commandsSent() const
    {
        QList<quint8> commands;
        for (const QByteArray &f : transport->written)
            commands.append(frame::byteAt(f, 3));
        return commands;
    }
};

} // namespace

class TstComPort : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void sequencer_data();
    void sequencer();
    void silentDeviceFailsAfterFiveSends();
    void replyInTwoBlocksIsFramedOnce();
    void overlongReplyNeverCompletes();
    void strayByteDoesNotSpoilLaterReplies();
    void oversizedReplyStaysInsideImage();
    void identifyStoresTypeAndVariant();
    void openFailureIsLoggedWithReason();
    void lateReplyIsDiscardedAndExchangeStaysInStep();
    void secondStartIsRefused();
    void failureNamesItsCause_data();
    void failureNamesItsCause();
    void ownListRefusedWhileAnExchangeRuns_data();
    void ownListRefusedWhileAnExchangeRuns();
    void regularModeTwiceOnOneLink_data();
    void regularModeTwiceOnOneLink();
    void gathererIsCappedBetweenSends_data();
    void gathererIsCappedBetweenSends();
    void cancelSettlesTheRequestInFlight_data();
    void cancelSettlesTheRequestInFlight();
    void cancelTextSaysWhatIsLeft_data();
    void cancelTextSaysWhatIsLeft();
    void checkedWriteSaysWhen_data();
    void checkedWriteSaysWhen();

private:
    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
};

void TstComPort::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QDir::setCurrent(m_dir.path());
}

void TstComPort::sequencer_data()
{
    QTest::addColumn<QString>("listName");
    QTest::addColumn<FaultMap>("faults");
    QTest::addColumn<QList<int>>("commands");
    QTest::addColumn<QList<int>>("events");

    using Faults = FaultMap;
    QTest::newRow("one-request-ends-at-once")
        << "write" << Faults{} << QList<int>{1, 2} << QList<int>{101};
    QTest::newRow("bad-crc-resends-from-set-address-at-once")
        << "write" << Faults{{1, BadCrc}} << QList<int>{1, 2, 1, 2} << QList<int>{101};
    QTest::newRow("wrong-command-waits-then-resends-from-set-address")
        << "write" << Faults{{1, WrongCommand}} << QList<int>{1, 2, 1, 2} << QList<int>{101};
    QTest::newRow("failed-read-resent-with-its-set-address")
        << "read" << Faults{{1, Drop}} << QList<int>{1, 6, 1, 6} << QList<int>{101};
    QTest::newRow("failed-pointer-write-resent-from-its-set-address")
        << "write-two" << Faults{{2, Drop}} << QList<int>{1, 2, 2, 1, 2, 2} << QList<int>{101};
    QTest::newRow("failed-slot-write-resent-alone")
        << "slot-write" << Faults{{1, Drop}} << QList<int>{2, 2, 2} << QList<int>{101};
    QTest::newRow("read-never-answered-fails-on-fifth-miss")
        << "read" << Faults{{1, Drop}, {3, Drop}, {5, Drop}, {7, Drop}, {9, Drop}}
        << QList<int>{1, 6, 1, 6, 1, 6, 1, 6, 1, 6} << QList<int>{102};
    QTest::newRow("identify-posts-read-device-then-end")
        << "identify" << Faults{} << QList<int>{7} << QList<int>{100, 101};
    QTest::newRow("survey-failure-restarts-from-slot-1")
        << "survey" << Faults{{2, Drop}} << QList<int>{3, 3, 3, 3, 3, 3, 3}
        << QList<int>{104, 104, 104, 104, 104, 104, 101};
}

void TstComPort::sequencer()
{
    QFETCH(QString, listName);
    QFETCH(FaultMap, faults);
    QFETCH(QList<int>, commands);
    QFETCH(QList<int>, events);

    Link link;
    for (auto it = faults.cbegin(); it != faults.cend(); ++it)
        link.faults.insert(it.key(), Fault(it.value()));
    link.state.resetImages(4, 4);
    TPacketList list;
    if (listName == "write") {
        list.AddSetAddress(0);
        list.AddWriteMemory(4, 0, 4, link.state.MemoryImage);
    } else if (listName == "write-two") {
        list.AddSetAddress(0);
        list.AddWriteMemory(2, 0, 4, link.state.MemoryImage);
    } else if (listName == "read") {
        list.AddSetAddress(0);
        list.AddReadMemory(4, 4, 0);
    } else if (listName == "slot-write") {
        list.AddConfiguratorWrite(0x4000, 0, 2, link.state.MemoryImage);
        list.AddConfiguratorWrite(0x4100, 2, 2, link.state.MemoryImage);
    }
    if (listName == "identify")
        link.port.Identify(&link.receiver);
    else if (listName == "survey")
        link.port.SurveySlots(&link.receiver);
    else
        link.port.Start(&link.receiver, &list);
    link.runToEnd();

    QList<int> sent;
    for (quint8 c : link.commandsSent())
        sent.append(c);
    QCOMPARE(sent, commands);
    QCOMPARE(link.receiver.events, events);
}

void TstComPort::silentDeviceFailsAfterFiveSends()
{
    Link link;
    link.transport->responder = nullptr;
    link.port.Identify(&link.receiver);
    for (int timeout = 1; timeout <= 4; ++timeout) {
        QVERIFY(link.port.replyTimerArmed());
        link.port.OnTimeout();
        QCOMPARE(link.transport->written.size(), timeout + 1);
    }
    QCoreApplication::processEvents();
    QVERIFY(link.receiver.events.isEmpty());
    link.port.OnTimeout();
    QVERIFY(!link.port.replyTimerArmed());
    QCoreApplication::processEvents();
    QCOMPARE(link.receiver.events, QList<int>{102});
    QCOMPARE(link.transport->written.size(), 5);
    link.port.OnTimeout(); // nothing more happens after the failure
    QCOMPARE(link.transport->written.size(), 5);
}

void TstComPort::replyInTwoBlocksIsFramedOnce()
{
    Link link;
    link.transport->responder = nullptr;
    link.port.Identify(&link.receiver);
    link.port.OnPacket(hex("C6 01 07"));
    QVERIFY(link.port.replyTimerArmed());
    link.port.OnPacket(hex("07 17 00 9E"));
    QVERIFY(!link.port.replyTimerArmed());
    QCoreApplication::processEvents();
    QCOMPARE(link.receiver.events, (QList<int>{100, 101}));
}

void TstComPort::overlongReplyNeverCompletes()
{
    Link link;
    link.transport->responder = nullptr;
    link.port.Identify(&link.receiver);
    link.port.OnPacket(hex("C6 01 07 07 17 00 9E 00"));
    QVERIFY(link.port.replyTimerArmed());
    QCoreApplication::processEvents();
    QVERIFY(link.receiver.events.isEmpty());
}

void TstComPort::strayByteDoesNotSpoilLaterReplies()
{
    Link link;
    link.transport->responder = nullptr;
    link.port.Identify(&link.receiver);
    link.port.OnPacket(hex("00")); // line noise before the reply
    link.port.OnPacket(hex("C6 01 07 07 17 00 9E"));
    QVERIFY(link.port.replyTimerArmed()); // eight bytes gathered: no frame
    link.port.OnTimeout();                // the resend empties the accumulator
    link.port.OnPacket(hex("C6 01 07 07 17 00 9E"));
    QCoreApplication::processEvents();
    QCOMPARE(link.receiver.events, (QList<int>{100, 101}));
}

void TstComPort::oversizedReplyStaysInsideImage()
{
    Link link;
    link.transport->responder = nullptr;
    link.state.resetImages(2, 6);
    TPacketList list;
    list.AddReadMemoryShort(4);
    list.AddReadEepromByte(7); // past the end of a 2-byte EEPROM image
    link.port.Start(&link.receiver, &list);
    link.port.OnPacket(frame::make(1, frame::kCmdReadMemory, hex("01 02 03 04 05")));
    link.port.OnPacket(frame::make(1, frame::kCmdReadEepromByte, hex("77")));
    QCOMPARE(link.state.MemoryImage, hex("00 00 00 00 01 02"));
    QCOMPARE(link.state.EepromImage, hex("00 00"));
}

void TstComPort::identifyStoresTypeAndVariant()
{
    Link link;
    link.port.Identify(&link.receiver);
    link.runToEnd();
    QCOMPARE(int(link.state.DeviceType), 23);
    QCOMPARE(int(link.state.FirmwareVariant), 0);
}

void TstComPort::openFailureIsLoggedWithReason()
{
    ExchangeState state;
    auto *transport = new ScriptedTransport;
    transport->failOpen = true;
    TMainCPort port(state, std::unique_ptr<QIODevice>(transport));
    PortSettings settings;
    settings.port = QStringLiteral("ttyUSB7");
    port.setSettings(settings);
    QVERIFY(!port.OpenPort());
    QFile log(QStringLiteral("Logs/VexLoader.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    QVERIFY(text.contains(QStringLiteral("ttyUSB7")));
    QVERIFY(text.contains(QStringLiteral("Device or resource busy")));
}

// The reply to a write comes after the reply time, while the resent set-address waits:
// it is not taken as that answer, and the exchange goes on in step.
void TstComPort::lateReplyIsDiscardedAndExchangeStaysInStep()
{
    Link link;
    link.transport->responder = nullptr;
    link.state.resetImages(0, 4);
    TPacketList list;
    list.AddSetAddress(0x40);
    list.AddWriteMemory(2, 0, 4, link.state.MemoryImage);
    const auto answer = [&link](quint8 command) {
        link.port.OnPacket(frame::make(frame::kAddrDevice, command, {}));
    };
    link.port.Start(&link.receiver, &list);
    answer(frame::kCmdSetAddress);
    link.port.OnTimeout(); // the first write's reply is late
    answer(frame::kCmdWriteMemory);
    QVERIFY(link.port.replyTimerArmed());
    QCOMPARE(link.commandsSent(), (QList<quint8>{1, 2, 1}));
    answer(frame::kCmdSetAddress);
    answer(frame::kCmdWriteMemory);
    answer(frame::kCmdWriteMemory);
    QCoreApplication::processEvents();
    QCOMPARE(link.commandsSent(), (QList<quint8>{1, 2, 1, 2, 2}));
    QCOMPARE(link.receiver.events, QList<int>{101});
}

void TstComPort::secondStartIsRefused()
{
    Link link;
    link.transport->responder = nullptr;
    TPacketList list;
    list.AddIdentify();
    QVERIFY(link.port.Start(&link.receiver, &list));
    QVERIFY(!link.port.Start(&link.receiver, &list));
    QCOMPARE(link.transport->written.size(), 1);
}

void TstComPort::failureNamesItsCause_data()
{
    QTest::addColumn<int>("fault");        // spoils every reply from frame `firstSpoiled` on
    QTest::addColumn<int>("firstSpoiled"); // 0-based frame number
    QTest::addColumn<int>("cause");        // ExchangeFailure::Cause
    QTest::addColumn<QString>("detailPart");

    using Cause = ExchangeFailure::Cause;
    QTest::newRow("silence-after-first-write") << int(Drop) << 2 << int(Cause::NoReply)
                                               << "немає відповіді після 5 спроб на запит 3 з 3";
    QTest::newRow("silence-before-any-write") << int(Drop) << 1 << int(Cause::NoReply)
                                              << "немає відповіді після 5 спроб на запит 2 з 3";
    QTest::newRow("bad-checksum") << int(BadCrc) << 2 << int(Cause::BadChecksum)
                                  << "невірна контрольна сума відповіді на запит 3 з 3";
    QTest::newRow("wrong-command") << int(WrongCommand) << 2 << int(Cause::WrongAnswer)
                                   << "відповідь не на той запит: запит 3 з 3";
}

// A 16-byte memory write as set-address and two 8-byte writes; the device stops answering
// properly at `firstSpoiled`. Only a write the device acknowledged can have left part of
// the new settings behind.
void TstComPort::failureNamesItsCause()
{
    QFETCH(int, fault);
    QFETCH(int, firstSpoiled);
    QFETCH(int, cause);
    QFETCH(QString, detailPart);

    Link link;
    for (int frameNumber = firstSpoiled; frameNumber < 40; ++frameNumber)
        link.faults.insert(frameNumber, Fault(fault));
    link.state.resetImages(0, 16);
    link.port.setOperation({Operation::Kind::WriteDevice});
    TPacketList list;
    list.AddSetAddress(0x40);
    list.AddWriteMemory(8, 0, 16, link.state.MemoryImage);
    link.port.Start(&link.receiver, &list);
    link.runToEnd();

    QCOMPARE(link.receiver.events, QList<int>{102});
    const std::optional<ExchangeFailure> failure = link.port.failure();
    QVERIFY(failure);
    QCOMPARE(int(failure->cause), cause);
    const QString detail = transmitErrorDetail(link.port.operation(), QStringLiteral("ttyUSB0"), *failure);
    QVERIFY2(detail.contains(detailPart), qPrintable(detail));
    QCOMPARE(detail.contains(QStringLiteral("Прилад може містити лише частину нових даних")),
             firstSpoiled > 1);
}

void TstComPort::ownListRefusedWhileAnExchangeRuns_data()
{
    QTest::addColumn<QString>("secondCall");
    QTest::newRow("identify") << "identify";
    QTest::newRow("survey") << "survey";
    QTest::newRow("clear") << "clear";
    QTest::newRow("regular-mode") << "regular-mode";
}

// The running identification keeps the list it runs: nothing is sent for the second call,
// and the reply still completes the first.
void TstComPort::ownListRefusedWhileAnExchangeRuns()
{
    QFETCH(QString, secondCall);
    Link link;
    link.transport->responder = nullptr;
    link.port.Identify(&link.receiver);
    if (secondCall == "identify")
        link.port.Identify(&link.receiver);
    else if (secondCall == "survey")
        link.port.SurveySlots(&link.receiver);
    else if (secondCall == "clear")
        link.port.ClearConfigurator(&link.receiver);
    else
        link.port.RegularMode(&link.receiver);
    QCOMPARE(link.transport->written, QList<QByteArray>{hex("C6 01 07 07 00 00 1C")});

    link.port.OnPacket(hex("C6 01 07 07 17 00 9E"));
    QCoreApplication::processEvents();
    QCOMPARE(link.receiver.events, (QList<int>{100, 101}));
}

void TstComPort::regularModeTwiceOnOneLink_data()
{
    QTest::addColumn<int>("identifyMisses"); // before regular mode; -1: no identification
    QTest::addColumn<QList<int>>("eventsBefore");

    QTest::newRow("fresh-link") << -1 << QList<int>{};
    QTest::newRow("after-an-identification") << 0 << QList<int>{100, 101};
    // The failed identification's list is the one the link replaces.
    QTest::newRow("after-a-failed-identification") << 5 << QList<int>{102};
}

// Each call sends the unanswered request C6 01 07 08 00 00 43 and posts its end; the link
// then runs a new exchange as a fresh one would.
void TstComPort::regularModeTwiceOnOneLink()
{
    QFETCH(int, identifyMisses);
    QFETCH(QList<int>, eventsBefore);
    Link link;
    for (int frameNumber = 0; frameNumber < identifyMisses; ++frameNumber)
        link.faults.insert(frameNumber, Drop);
    if (identifyMisses >= 0) {
        link.port.Identify(&link.receiver);
        link.runToEnd();
    }
    QCOMPARE(link.receiver.events, eventsBefore);
    link.receiver.events.clear();
    link.transport->written.clear();
    link.faults.clear();

    link.port.RegularMode(&link.receiver);
    link.port.RegularMode(&link.receiver);
    QTRY_COMPARE_WITH_TIMEOUT(link.receiver.events, (QList<int>{103, 103}), 10000);
    QCOMPARE(link.transport->written, (QList<QByteArray>{hex("C6 01 07 08 00 00 43"), hex("C6 01 07 08 00 00 43")}));

    link.receiver.events.clear();
    link.port.Identify(&link.receiver);
    link.runToEnd();
    QCOMPARE(link.receiver.events, (QList<int>{100, 101}));
    QCOMPARE(link.transport->written.size(), 3);
}

void TstComPort::gathererIsCappedBetweenSends_data()
{
    QTest::addColumn<QByteArray>("garbage");
    QTest::addColumn<int>("blockSize");
    QTest::addColumn<bool>("replyInLastBlock");
    QTest::addColumn<int>("framesSent"); // the identification, and its resend if one is needed

    // Noise bytes below 3 never frame by chance: a length byte of 0, 1 or 2 is never reached.
    QTest::newRow("noise-in-small-blocks") << QByteArray(1000, '\x02') << 10 << false << 2;
    QTest::newRow("noise-in-one-large-block") << QByteArray(4096, '\0') << 4096 << false << 2;
    QTest::newRow("start-bytes-naming-too-short-frames")
        << hex("C6 01 03 55").repeated(200) << 64 << false << 2;
    QTest::newRow("start-bytes-naming-lengths-already-passed")
        << hex("00 00 00 C6 01 07 00 00 00 00 00 00").repeated(100) << 100 << false << 2;
    QTest::newRow("noise-and-reply-in-one-block") << QByteArray(600, '\0') << 4096 << true << 1;
    QTest::newRow("start-bytes-and-reply-in-one-block")
        << hex("C6 01 03 55").repeated(100) << 4096 << true << 1;
}

// Bytes that no frame can hold are dropped as they pass the longest frame, so memory stays
// bounded however long the line carries garbage; the reply that follows still frames.
void TstComPort::gathererIsCappedBetweenSends()
{
    QFETCH(QByteArray, garbage);
    QFETCH(int, blockSize);
    QFETCH(bool, replyInLastBlock);
    QFETCH(int, framesSent);
    const QByteArray reply = hex("C6 01 07 07 17 00 9E");
    Link link;
    link.transport->responder = nullptr;
    link.port.Identify(&link.receiver);

    if (replyInLastBlock)
        garbage += reply;
    for (qsizetype at = 0; at < garbage.size(); at += blockSize) {
        link.port.OnPacket(garbage.mid(at, blockSize));
        QVERIFY2(link.port.gatheredSize() <= frame::kMaxSize, qPrintable(QString::number(link.port.gatheredSize())));
    }
    if (!replyInLastBlock) {
        link.port.OnTimeout();
        link.port.OnPacket(reply);
    }
    QCoreApplication::processEvents();

    QCOMPARE(link.receiver.events, (QList<int>{100, 101}));
    QCOMPARE(int(link.state.DeviceType), 23);
    QCOMPARE(link.transport->written.size(), framesSent);
    QFile log(QStringLiteral("Logs/VexLoader.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(log.readAll()).contains(QStringLiteral("байт поза кадром: ")));
}

void TstComPort::cancelSettlesTheRequestInFlight_data()
{
    QTest::addColumn<bool>("write");       // set-address and two 8-byte writes, else three byte reads
    QTest::addColumn<int>("cancelAt");     // the cancel comes while this frame (0-based) waits
    QTest::addColumn<int>("fault");        // what happens to that frame's reply
    QTest::addColumn<int>("endEvent");     // 101 ended, 105 cancelled
    QTest::addColumn<int>("answered");
    QTest::addColumn<bool>("writesAcknowledged");

    QTest::newRow("read-reply-comes") << false << 1 << int(None) << 105 << 2 << false;
    QTest::newRow("read-reply-lost-timeout") << false << 1 << int(Drop) << 105 << 1 << false;
    QTest::newRow("read-bad-checksum") << false << 2 << int(BadCrc) << 105 << 2 << false;
    QTest::newRow("read-last-reply-completes") << false << 3 << int(None) << 101 << 4 << false;
    QTest::newRow("write-before-any-write") << true << 0 << int(None) << 105 << 1 << false;
    QTest::newRow("write-after-first-write") << true << 1 << int(None) << 105 << 2 << true;
}

// Whatever happens to the request in flight, nothing is sent after it.
void TstComPort::cancelSettlesTheRequestInFlight()
{
    QFETCH(bool, write);
    QFETCH(int, cancelAt);
    QFETCH(int, fault);
    QFETCH(int, endEvent);
    QFETCH(int, answered);
    QFETCH(bool, writesAcknowledged);
    Link link;
    link.faults[cancelAt] = Fault(fault);
    const auto answer = link.transport->responder;
    link.transport->responder = [&](const QByteArray &request) {
        if (int(link.transport->written.size()) - 1 == cancelAt)
            link.port.cancel();
        return answer(request);
    };
    TPacketList list;
    list.AddSetAddress(0x0000);
    if (write)
        list.AddWriteMemory(8, 0, 16, QByteArray(16, '\x11'));
    else
        for (int i = 0; i < 3; ++i)
            list.AddReadEepromByte(i);
    link.state.resetImages(4, 0);
    QVERIFY(link.port.Start(&link.receiver, &list));
    link.runToEnd();
    const int frames = endEvent == 105 ? cancelAt + 1 : int(list.size());
    QCOMPARE(link.transport->written.size(), frames);
    QCOMPARE(link.receiver.events.last(), endEvent);
    QVERIFY(!link.receiver.events.contains(102)); // never a failure
    QVERIFY(!link.port.running() && !link.port.replyTimerArmed());
    if (endEvent == 105) {
        const ExchangeCancel cancel = link.port.outcome().cancel.value();
        QCOMPARE(cancel.answered, answered);
        QCOMPARE(cancel.total, int(list.size()));
        QCOMPARE(cancel.writesAcknowledged, writesAcknowledged);
        QCOMPARE(cancel.resumeFrom, 0); // a write at the pointer goes again with its set-address
    }
}

void TstComPort::cancelTextSaysWhatIsLeft_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("answered");
    QTest::addColumn<bool>("writesAcknowledged");
    QTest::addColumn<QString>("text");
    using Kind = Operation::Kind;
    QTest::newRow("check-after-write") << int(Kind::VerifyDevice) << 3 << false
                                       << "Перевірка запису в прилад скасовано: отримано відповіді на 3 з 40 запитів.\r"
                                          "Запис виконано, але не перевірено.";
    QTest::newRow("write-stopped-at-its-set-address") << int(Kind::WriteDevice) << 1 << false
                                                      << "Запис у прилад скасовано: підтверджено 1 з 40 запитів.\r"
                                                         "Нічого не записано.";
    QTest::newRow("firmware-into-configurator") << int(Kind::FirmwareToConfigurator) << 12 << true
                                                << "Запис прошивки в конфігуратор скасовано: підтверджено 12 з 40 "
                                                   "запитів.\rПрошивка в конфігураторі неповна: запишіть її ще раз, "
                                                   "перш ніж прошивати нею прилад.";
}

void TstComPort::cancelTextSaysWhatIsLeft()
{
    QFETCH(int, kind);
    QFETCH(int, answered);
    QFETCH(bool, writesAcknowledged);
    QTEST(cancelledText({Operation::Kind(kind)}, {answered, 40, writesAcknowledged, 0}), "text");
}

void TstComPort::checkedWriteSaysWhen_data()
{
    QTest::addColumn<QTime>("at");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole-write-morning") << QTime(9, 5, 7) << "" << "Записано і перевірено о 09:05:07";
    QTest::newRow("cut-write") << QTime(14, 32, 5) << "3 налаштування (2 блоки)"
                               << "Записано і перевірено о 14:32:05: 3 налаштування (2 блоки)";
}

void TstComPort::checkedWriteSaysWhen()
{
    QFETCH(QTime, at);
    QFETCH(QString, summary);
    QTEST(checkedWriteStatus(at, summary), "text");
}

QTEST_GUILESS_MAIN(TstComPort)
#include "tst_comport.moc"
