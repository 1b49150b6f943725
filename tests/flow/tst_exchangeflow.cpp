// The exchange flow against the in-process simulator of a 16-zone panel: how each kind of
// operation ends (done, checked with differences, declined, cancelled, failed with part of
// a write taken, refused), what it asked on the way, what the device holds afterwards and
// that a cut write goes on from where it stopped.
#include "comport.h"
#include "deviceimages.h"
#include "exchangeflow.h"
#include "frame.h"
#include "simendpoint.h"
#include "simport.h"

#include <QTest>
#include <optional>

namespace {

using Status = FlowResult::Status;
constexpr Model kModel = Model::Korvel16p;
constexpr quint8 kVariant = 2;
constexpr int kBaud = 38400;

enum class Scenario {
    Write,         // a write with its check
    WriteUnchecked,
    WriteAfterRead, // the device was read before: read again, compared, then written
    CutWrite,       // read, three settings edited: only their runs go out, and are checked
    Compare,
    FlashOtherModel, // firmware naming the 8-zone panel into the 16-zone one
};

// Bytes no image holds by default, so that a byte written to a wrong place shows.
SettingsImages pattern(quint8 seed)
{
    const DeviceDefinition &d = modelInfo(kModel);
    SettingsImages images{QByteArray(d.eepromSize, '\0'), QByteArray(d.memorySize, '\0')};
    for (int i = 0; i < images.eeprom.size(); ++i)
        images.eeprom[i] = char(seed + 3 * i);
    for (int i = 0; i < images.memory.size(); ++i)
        images.memory[i] = char(seed + 7 * i);
    return images;
}

bool same(const SettingsImages &a, const SettingsImages &b)
{
    return a.eeprom == b.eeprom && a.memory == b.memory;
}

} // namespace

class TstExchangeFlow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void operationEnds_data();
    void operationEnds();
    void secondOperationRefused();

private:
    WriteJob writeJob(bool check) const;
    std::optional<FlowResult> run(const std::function<bool(const ExchangeFlow::Done &)> &start);
    SettingsImages deviceHolds() const { return held(*m_device); }
    // What a device that was given `images` holds of them.
    static SettingsImages heldAfter(const SettingsImages &images);
    static SettingsImages held(const SimDevice &device);

    std::unique_ptr<SimDevice> m_device;
    std::unique_ptr<SimEndpoint> m_endpoint;
    std::unique_ptr<ExchangeFlow> m_flow;
    int m_requests = 0;
    int m_cancelAt = 0; // requests received when cancel() is called; 0: never
    int m_writeRequests = 0;
};

void TstExchangeFlow::init()
{
    m_device = std::make_unique<SimDevice>(modelInfo(kModel).typeCode, kVariant);
    setModelBehaviour(*m_device, kModel);
    m_endpoint = std::make_unique<SimEndpoint>(*m_device);
    m_requests = 0;
    m_writeRequests = 0;
    m_cancelAt = 0;
    m_endpoint->setTraceObserver([this](const TraceEntry &entry) {
        if (entry.kind != TraceEntry::Kind::Request)
            return;
        const quint8 command = frame::byteAt(entry.bytes, 3);
        m_writeRequests += command == frame::kCmdWriteMemory || command == frame::kCmdWriteEeprom;
        if (++m_requests == m_cancelAt)
            m_flow->cancel();
    });
    m_flow = std::make_unique<ExchangeFlow>([this](ExchangeState &state) {
        auto link = std::make_unique<TMainCPort>(state, std::make_unique<SimPort>(*m_endpoint));
        link->setReplyTimeout(200); // a lost reply costs little; a good one comes at once
        return link;
    });
}

WriteJob TstExchangeFlow::writeJob(bool check) const
{
    const DeviceDefinition &d = modelInfo(kModel);
    WriteJob job{{Operation::Kind::WriteDevice}, d.deviceWrite(kVariant), pattern(0x40), kVariant, d.settingFields};
    job.check = check;
    job.checkReadPlan = d.deviceRead(kVariant, kBaud);
    job.reRead = {{Operation::Kind::CompareDevice}, d.deviceRead(kVariant, kBaud), d.eepromSize, d.deviceReadMemorySize()};
    job.deviceVariant = kVariant;
    return job;
}

std::optional<FlowResult> TstExchangeFlow::run(const std::function<bool(const ExchangeFlow::Done &)> &start)
{
    std::optional<FlowResult> result;
    if (!start([&result](const FlowResult &r) { result = r; }))
        return std::nullopt;
    if (!QTest::qWaitFor([&result] { return result.has_value(); }, 60000))
        qWarning("the operation did not end");
    return result;
}

SettingsImages TstExchangeFlow::heldAfter(const SettingsImages &images)
{
    SimDevice device(modelInfo(kModel).typeCode, kVariant);
    putImages({images.eeprom, images.memory}, *imageSegments(kModel, kVariant), device);
    return held(device);
}

SettingsImages TstExchangeFlow::held(const SimDevice &device)
{
    const DeviceDefinition &d = modelInfo(kModel);
    const settingsfile::Images held = imagesOf(device, *imageSegments(kModel, kVariant), d.eepromSize, d.memorySize);
    return {held.eeprom, held.memory};
}

void TstExchangeFlow::operationEnds_data()
{
    QTest::addColumn<int>("scenario");
    QTest::addColumn<int>("deviceSeed");       // the pattern the device holds at first
    QTest::addColumn<int>("lostMemoryWrites"); // replies to memory writes lost; 5 in a row fail it
    QTest::addColumn<int>("cancelAt");         // requests received when cancel() is called
    QTest::addColumn<int>("flippedWrite");     // the n-th write is stored otherwise than sent
    QTest::addColumn<bool>("changedAfterRead"); // someone changed it on its keypad since the read
    QTest::addColumn<bool>("answer");          // to the question asked, if one is
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("partial");         // the device took part of a write that stopped
    QTest::addColumn<bool>("holdsSent");       // the device holds what was sent at the end

    const auto row = [](const char *name, Scenario s, int seed) { return &(QTest::newRow(name) << int(s) << seed); };
    const int old = 0x22;
    const int sent = 0x40;
    *row("write-checked", Scenario::Write, old) << 0 << 0 << 0 << false << false << int(Status::Done) << false << false << true;
    *row("write-unchecked", Scenario::WriteUnchecked, old) << 0 << 0 << 0 << false << false << int(Status::Done) << false << false << true;
    // The EEPROM goes first: a memory write that gets no answer leaves the device part-written.
    *row("silent-midway", Scenario::Write, old) << 5 << 0 << 0 << false << false << int(Status::Failed) << false << true << false;
    *row("cancelled-midway", Scenario::Write, old) << 0 << 6 << 0 << false << false << int(Status::Cancelled) << false << true << false;
    *row("cancelled-at-first-set-address", Scenario::Write, old) << 0 << 1 << 0 << false << false << int(Status::Cancelled) << false << false << false;
    *row("kept-otherwise-than-sent", Scenario::Write, old) << 0 << 0 << 2 << false << false << int(Status::Differs) << false << false << false;
    *row("unchanged-since-read", Scenario::WriteAfterRead, old) << 0 << 0 << 0 << false << false << int(Status::Done) << false << false << true;
    *row("changed-since-read-written-anyway", Scenario::WriteAfterRead, old) << 0 << 0 << 0 << true << true << int(Status::Done) << true << false << true;
    *row("changed-since-read-left-alone", Scenario::WriteAfterRead, old) << 0 << 0 << 0 << true << false << int(Status::Declined) << true << false << false;
    // The device holds what is sent but for one EEPROM byte, a telephone digit and a section code.
    *row("cut-write-checked", Scenario::CutWrite, sent) << 0 << 0 << 0 << false << false << int(Status::Done) << false << false << true;
    *row("cut-write-silent-midway", Scenario::CutWrite, sent) << 5 << 0 << 0 << false << false << int(Status::Failed) << false << true << false;
    *row("cut-write-bit-stored-wrong", Scenario::CutWrite, sent) << 0 << 0 << 1 << false << false << int(Status::Differs) << false << false << false;
    *row("compare-differs", Scenario::Compare, old) << 0 << 0 << 0 << false << false << int(Status::Differs) << false << false << false;
    *row("compare-same", Scenario::Compare, sent) << 0 << 0 << 0 << false << false << int(Status::Done) << false << false << true;
    *row("firmware-of-other-model-declined", Scenario::FlashOtherModel, old) << 0 << 0 << 0 << false << false << int(Status::Declined) << true << false << false;
}

void TstExchangeFlow::operationEnds()
{
    QFETCH(int, scenario);
    QFETCH(int, deviceSeed);
    QFETCH(int, lostMemoryWrites);
    QFETCH(int, cancelAt);
    QFETCH(int, flippedWrite);
    QFETCH(bool, changedAfterRead);
    QFETCH(bool, answer);
    QFETCH(int, status);
    QFETCH(bool, partial);
    QFETCH(bool, holdsSent);

    const QList<ImageSegment> segments = *imageSegments(kModel, kVariant);
    const SettingsImages first = pattern(quint8(deviceSeed));
    putImages({first.eeprom, first.memory}, segments, *m_device);
    WriteJob job = writeJob(Scenario(scenario) != Scenario::WriteUnchecked);
    if (Scenario(scenario) == Scenario::WriteAfterRead || Scenario(scenario) == Scenario::CutWrite) {
        const std::optional<FlowResult> read = run([&](const ExchangeFlow::Done &done) { return m_flow->read(job.reRead, done); });
        QVERIFY(read && read->ok());
        job.lastRead = read->images;
        if (changedAfterRead)
            putImages({pattern(0x11).eeprom, pattern(0x11).memory}, segments, *m_device);
    }
    if (Scenario(scenario) == Scenario::CutWrite) {
        job.segments = segments;
        for (const auto &[image, offset] : {std::pair{&job.sent.eeprom, 1}, {&job.sent.memory, 6}, {&job.sent.memory, 35}})
            (*image)[offset] = char(image->at(offset) ^ 0x5A);
    }
    const SettingsImages original = deviceHolds();
    if (lostMemoryWrites)
        m_endpoint->setFaultPlan(FaultPlan({{FaultRule::Action::Drop, 0, 0, FaultRule::Trigger::Command,
                                             frame::kCmdWriteMemory, lostMemoryWrites}}));
    m_endpoint->setFlippedWrite(flippedWrite);
    m_cancelAt = cancelAt ? m_requests + cancelAt : 0;
    m_writeRequests = 0;

    bool asked = false;
    FlowQuestions questions;
    questions.writeOverChanges = [&](const QList<FieldDifference> &changes) {
        asked = true;
        return !changes.isEmpty() && answer;
    };
    questions.flashOtherDevice = [&](const DeviceIdentity &found) {
        asked = true;
        return found == DeviceIdentity{modelInfo(kModel).typeCode, kVariant} && answer;
    };
    std::optional<FlowResult> result;
    switch (Scenario(scenario)) {
    case Scenario::Write:
    case Scenario::WriteUnchecked:
    case Scenario::WriteAfterRead:
    case Scenario::CutWrite:
        result = run([&](const ExchangeFlow::Done &done) { return m_flow->write(job, questions, done); });
        break;
    case Scenario::Compare:
        result = run([&](const ExchangeFlow::Done &done) {
            return m_flow->compare({job.reRead, job.sent, kVariant, kVariant, job.fields}, done);
        });
        break;
    case Scenario::FlashOtherModel:
        result = run([&](const ExchangeFlow::Done &done) {
            return m_flow->flash({false, {{4, 0x0800, 0x0804, QByteArray(4, '\x55')}},
                                  DeviceIdentity{modelInfo(Model::Korvel8p).typeCode, 3}},
                                 questions, done);
        });
        break;
    }
    QVERIFY(result);
    QCOMPARE(int(result->status), status);
    QTEST(asked, "asked");
    QCOMPARE(result->partialWrite(), partial);
    const bool writes = Scenario(scenario) != Scenario::Compare && Scenario(scenario) != Scenario::FlashOtherModel;
    if (writes && (result->ok() || result->status == Status::Differs))
        QCOMPARE(result->checked, Scenario(scenario) != Scenario::WriteUnchecked);
    // A check or comparison that differs lists the fields; so does a write left alone for a
    // device changed since it was read.
    const bool declinedChanges = result->status == Status::Declined && Scenario(scenario) == Scenario::WriteAfterRead;
    QCOMPARE(result->status == Status::Differs || declinedChanges, !result->differences.isEmpty());
    if (result->status == Status::Declined)
        QCOMPARE(m_writeRequests, 0);
    if (Scenario(scenario) == Scenario::CutWrite && result->ok())
        QCOMPARE(result->runsWritten, std::optional<int>(3));
    QCOMPARE(same(deviceHolds(), heldAfter(job.sent)), holdsSent);
    if (!holdsSent && !partial && result->status != Status::Differs)
        QVERIFY(same(deviceHolds(), original));
    if (!partial)
        return;

    // The device answers again; the write goes on from the request it stopped at, with
    // fewer writes than the whole, and is checked as a whole.
    m_endpoint->setFaultPlan({});
    m_cancelAt = 0;
    m_writeRequests = 0;
    const std::optional<FlowResult> resumed =
        run([&](const ExchangeFlow::Done &done) { return m_flow->resume(*result->cut, done); });
    QVERIFY(resumed);
    QCOMPARE(int(resumed->status), int(Status::Done));
    QVERIFY(resumed->checked);
    QVERIFY(same(deviceHolds(), heldAfter(job.sent)));
    int wholeWrites = 0;
    const PlannedExchange whole = planRequests(job.plan, job.sent.eeprom, job.sent.memory);
    for (const TPacket &request : whole.list.packets())
        wholeWrites += request.isWrite();
    QVERIFY2(m_writeRequests < wholeWrites, qPrintable(QStringLiteral("%1 of %2").arg(m_writeRequests).arg(wholeWrites)));
}

// One owner of the link: while an operation runs, every other start is refused and calls
// nothing; a cancel pressed between operations stops the next before it sends anything.
void TstExchangeFlow::secondOperationRefused()
{
    bool secondEnded = false;
    const auto second = [&secondEnded](const FlowResult &) { secondEnded = true; };
    std::optional<FlowResult> first;
    QVERIFY(m_flow->identify({Operation::Kind::ReadDevice}, [&first](const FlowResult &r) { first = r; }));
    QVERIFY(!m_flow->identify({Operation::Kind::ReadDevice}, second));
    QVERIFY(!m_flow->surveySlots(second));
    QVERIFY(!m_flow->regularMode(second));
    QVERIFY(!m_flow->write(writeJob(true), {}, second));
    QTRY_VERIFY_WITH_TIMEOUT(first.has_value(), 30000);
    QCOMPARE(int(first->status), int(Status::Done));
    QCOMPARE(first->identity, (DeviceIdentity{modelInfo(kModel).typeCode, kVariant}));
    QVERIFY(!secondEnded);

    m_flow->cancel();
    const int requestsBefore = m_requests;
    const std::optional<FlowResult> stopped =
        run([&](const ExchangeFlow::Done &done) { return m_flow->write(writeJob(true), {}, done); });
    QVERIFY(stopped);
    QCOMPARE(int(stopped->status), int(Status::Cancelled));
    QCOMPARE(stopped->link.cancel->answered, 0);
    QCOMPARE(m_requests, requestsBefore);
}

QTEST_GUILESS_MAIN(TstExchangeFlow)
#include "tst_exchangeflow.moc"
