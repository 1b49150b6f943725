#include "exchangeflow.h"

#include "comport.h"
#include "linkevents.h"
#include "verification.h"
#include "writecut.h"

namespace {

PlannedExchange plannedOf(TPacketList list, const QString &stageText = QString())
{
    PlannedExchange planned;
    planned.list = std::move(list);
    planned.stageStarts = {0};
    planned.stageTexts = {stageText};
    return planned;
}

template <class Question, class... Args>
bool ask(const Question &question, const Args &...args)
{
    return question && question(args...);
}

QList<FieldDifference> fieldDifferences(const FieldsOf &fields, const SettingsImages &first, quint8 firstVariant,
                                        const SettingsImages &second, quint8 secondVariant)
{
    if (!fields)
        return {};
    return differences(fields(first, firstVariant), fields(second, secondVariant));
}

// The rest of a write that was cut after `from` of its requests.
PlannedExchange restOf(const PlannedExchange &whole, int from)
{
    return plannedOf(whole.list.from(from), whole.stageTextAt(from));
}

// Bytes a reply carried beyond what was asked, and a clock that moved on, are no change:
// only a setting that reads otherwise is.
bool changedSince(const WriteJob &job, const SettingsImages &now)
{
    if (sameSettings(job.reRead.plan, now, *job.lastRead))
        return false;
    return !job.fields
           || !fieldDifferences(job.fields, *job.lastRead, job.deviceVariant, now, job.deviceVariant).isEmpty();
}

} // namespace

bool firmwareFits(const std::optional<DeviceIdentity> &target, const DeviceIdentity &found)
{
    return target && target->deviceType == found.deviceType;
}

ExchangeFlow::ExchangeFlow(LinkFactory makeLink, QObject *parent)
    : QObject(parent), m_makeLink(std::move(makeLink))
{
}

ExchangeFlow::~ExchangeFlow() = default;

void ExchangeFlow::cancel()
{
    m_cancelRequested = true;
    if (m_link)
        m_link->cancel();
}

bool ExchangeFlow::begin(Done done)
{
    if (running())
        return false;
    m_done = std::move(done);
    m_result = {};
    m_writing.reset();
    m_started.start();
    return true;
}

// A step that has nothing to send is done at once; a cancel that came before it stops it
// before anything is sent.
void ExchangeFlow::runStep(const FlowStep &step, Next next)
{
    m_step = step;
    m_result.link = {step.operation, {}, {}, {}, {}};
    Q_EMIT stepStarted(step);
    const int requests = int(step.planned.list.size());
    if (m_cancelRequested) {
        m_result.link.cancel = ExchangeCancel{0, requests, false, 0};
        finish(FlowResult::Status::Cancelled);
        return;
    }
    if (requests == 0) {
        next();
        return;
    }
    m_next = std::move(next);
    m_link = m_makeLink(m_state);
    m_link->setOperation(step.operation);
    connect(m_link.get(), &TMainCPort::progressed, this, [this](int position) { Q_EMIT answered(position - 1); });
    if (!m_link->OpenPort()) {
        m_result.link = m_link->outcome();
        finish(FlowResult::Status::PortNotOpened);
        return;
    }
    m_result.link.port = m_link->settings().port;
    m_link->Start(this, &m_step.planned.list);
}

void ExchangeFlow::readStep(const ReadJob &job, Next next)
{
    m_state.resetImages(job.eepromSize, job.memorySize);
    runStep({job.operation, planRequests(job.plan, {}, {})}, std::move(next));
}

void ExchangeFlow::identifyStep(const Operation &operation, Next next)
{
    TPacketList list;
    list.AddIdentify();
    runStep({operation, plannedOf(list), false}, [this, next = std::move(next)] {
        m_result.identity = {m_state.DeviceType, m_state.FirmwareVariant};
        next();
    });
}

bool ExchangeFlow::event(QEvent *e)
{
    const QEvent::Type type = e->type();
    if (type == linkevent::CheckConfigurator) {
        const int slot = static_cast<LinkEvent *>(e)->requestIndex();
        if (slot >= 0 && slot < configurator::kSlotCount) {
            m_result.slotsFound.resize(std::max<qsizetype>(m_result.slotsFound.size(), slot + 1));
            m_result.slotsFound[slot] = DeviceIdentity{m_state.DeviceType, m_state.FirmwareVariant};
        }
        return true;
    }
    if (type == linkevent::EndRegularMode) {
        stepEnded();
        return true;
    }
    if (type == linkevent::ReadDevice)
        return true; // the identity is taken when the exchange has ended
    return handleExchangeEnd(e, [this] { stepEnded(); }, [this] { stepFailed(); }, [this] { stepCancelled(); })
           || QObject::event(e);
}

void ExchangeFlow::stepEnded()
{
    m_link.reset();
    if (Next next = std::exchange(m_next, {}))
        next();
}

void ExchangeFlow::stepFailed()
{
    m_result.link = m_link->outcome();
    if (m_writing && m_step.operation.kind == m_writing->operation.kind && m_result.link.failure->writesAcknowledged)
        m_result.cut = CutWrite{*m_writing, m_writeOffset + m_result.link.failure->resumeFrom};
    finish(FlowResult::Status::Failed);
}

void ExchangeFlow::stepCancelled()
{
    m_result.link = m_link->outcome();
    const ExchangeCancel &cancel = *m_result.link.cancel;
    if (m_writing && m_step.operation.kind == m_writing->operation.kind && cancel.writesAcknowledged)
        m_result.cut = CutWrite{*m_writing, m_writeOffset + cancel.resumeFrom};
    finish(FlowResult::Status::Cancelled);
}

// `done` may start the next operation; a cancel it did not take is forgotten.
void ExchangeFlow::finish(FlowResult::Status status)
{
    m_link.reset();
    m_next = {};
    m_result.status = status;
    m_result.elapsedMs = m_started.elapsed();
    const FlowResult result = m_result;
    const Done done = std::exchange(m_done, {});
    done(result);
    if (!running())
        m_cancelRequested = false;
}

bool ExchangeFlow::identify(const Operation &operation, Done done)
{
    if (!begin(std::move(done)))
        return false;
    identifyStep(operation, [this] { finish(FlowResult::Status::Done); });
    return true;
}

bool ExchangeFlow::readSlotHeader(int slot, Done done)
{
    if (!begin(std::move(done)))
        return false;
    TPacketList list;
    list.AddReadSlotHeader(configurator::slotHeaderAddress(slot));
    runStep({{Operation::Kind::ReadSlot, slot}, plannedOf(list), false}, [this] {
        m_result.identity = {m_state.DeviceType, m_state.FirmwareVariant};
        finish(FlowResult::Status::Done);
    });
    return true;
}

bool ExchangeFlow::surveySlots(Done done)
{
    if (!begin(std::move(done)))
        return false;
    TPacketList list;
    list.AddSurveySlots();
    runStep({{Operation::Kind::SurveySlots}, plannedOf(list, stagetext::kSurvey), false},
            [this] { finish(FlowResult::Status::Done); });
    return true;
}

bool ExchangeFlow::clearConfigurator(Done done)
{
    if (!begin(std::move(done)))
        return false;
    TPacketList list;
    list.AddClearConfigurator();
    runStep({{Operation::Kind::ClearConfigurator}, plannedOf(list, stagetext::kClearConfigurator)},
            [this] { finish(FlowResult::Status::Done); });
    return true;
}

// The request is not answered: the frame is sent and the operation ends.
bool ExchangeFlow::regularMode(Done done)
{
    if (!begin(std::move(done)))
        return false;
    const Operation operation{Operation::Kind::RegularMode};
    m_step = {operation, {}, false};
    m_result.link = {operation, {}, {}, {}, {}};
    m_next = [this] { finish(FlowResult::Status::Done); };
    m_link = m_makeLink(m_state);
    m_link->setOperation(operation);
    if (!m_link->OpenPort()) {
        m_result.link = m_link->outcome();
        finish(FlowResult::Status::PortNotOpened);
        return true;
    }
    m_result.link.port = m_link->settings().port;
    m_link->RegularMode(this);
    return true;
}

bool ExchangeFlow::read(const ReadJob &job, Done done)
{
    if (!begin(std::move(done)))
        return false;
    readStep(job, [this] {
        m_result.images = images();
        finish(FlowResult::Status::Done);
    });
    return true;
}

bool ExchangeFlow::compare(const CompareJob &job, Done done)
{
    if (!begin(std::move(done)))
        return false;
    readStep(job.read, [this, job] {
        const SettingsImages device = images();
        m_result.images = device;
        m_result.deviceLearnt = job.read.operation.kind == Operation::Kind::CompareDevice;
        m_result.deviceNow = device;
        m_result.differences = fieldDifferences(job.fields, job.held, job.heldVariant, device, job.deviceVariant);
        finish(m_result.differences.isEmpty() ? FlowResult::Status::Done : FlowResult::Status::Differs);
    });
    return true;
}

// When the device was read before in this session, it is read again first: a device that
// changed since is not overwritten without the question.
bool ExchangeFlow::write(const WriteJob &job, const FlowQuestions &questions, Done done)
{
    if (!begin(std::move(done)))
        return false;
    if (!job.lastRead && !job.readFirst) {
        writeStep(job, 0, [this, job] { checkStep(job); });
        return true;
    }
    readStep(job.reRead, [this, job, questions] { afterReRead(job, questions); });
    return true;
}

void ExchangeFlow::afterReRead(const WriteJob &job, const FlowQuestions &questions)
{
    const SettingsImages now = images();
    m_result.deviceLearnt = true;
    m_result.deviceNow = now;
    if (job.lastRead && changedSince(job, now)) {
        const QList<FieldDifference> changes =
            fieldDifferences(job.fields, job.sent, job.heldVariant, now, job.deviceVariant);
        if (!ask(questions.writeOverChanges, changes)) {
            m_result.differences = changes;
            finish(FlowResult::Status::Declined);
            return;
        }
    }
    if (job.whole || job.segments.isEmpty()) {
        writeStep(job, 0, [this, job] { checkStep(job); });
        return;
    }
    writeWhatDiffers(job, now);
}

// The device just read is the check of every byte the cut leaves out.
void ExchangeFlow::writeWhatDiffers(const WriteJob &job, const SettingsImages &now)
{
    const CutPlan cut = cutWritePlan(job.plan, job.sent, job.segments, now);
    m_result.runsWritten = cut.runs;
    m_result.settingsWritten =
        int(fieldDifferences(job.fields, now, job.deviceVariant, job.sent, job.heldVariant).size());
    if (cut.plan.isEmpty()) {
        m_result.checked = true;
        m_result.images = job.sent;
        finish(FlowResult::Status::Done);
        return;
    }
    WriteJob rest = job;
    rest.plan = cut.plan;
    rest.cutAgainst = now;
    rest.lastRead.reset();
    rest.readFirst = false;
    writeStep(rest, 0, [this, rest] { checkStep(rest); });
}

bool ExchangeFlow::resume(const CutWrite &cut, Done done)
{
    if (!begin(std::move(done)))
        return false;
    writeStep(cut.job, cut.from, [this, job = cut.job] { checkStep(job); });
    return true;
}

bool ExchangeFlow::check(const WriteJob &job, Done done)
{
    if (!begin(std::move(done)))
        return false;
    checkStep(job);
    return true;
}

void ExchangeFlow::writeStep(const WriteJob &job, int from, Next next)
{
    m_writing = job;
    m_writeOffset = from;
    const PlannedExchange whole = planRequests(job.plan, job.sent.eeprom, job.sent.memory);
    runStep({job.operation, from > 0 ? restOf(whole, from) : whole}, std::move(next));
}

// What a write stored is read back and compared with what was sent.
void ExchangeFlow::checkStep(const WriteJob &job)
{
    m_writing.reset();
    const bool device = job.operation.kind == Operation::Kind::WriteDevice;
    const Verification verification = verificationOf(job.plan, job.sent, job.checkReadPlan);
    if (!job.check || verification.reads.isEmpty()) {
        m_result.deviceLearnt = device; // not read back: what the device holds is not known
        m_result.deviceNow.reset();
        finish(FlowResult::Status::Done);
        return;
    }
    m_state.resetImages(int(verification.expected.eeprom.size()), int(verification.expected.memory.size()));
    const Operation operation = device ? Operation{Operation::Kind::VerifyDevice}
                                       : Operation{Operation::Kind::VerifySlot, job.operation.slot};
    runStep({operation, planRequests(verification.reads, {}, {})}, [this, job, verification] {
        const VerifyResult check = checkVerification(verification, job.sent, images());
        m_result.checked = true;
        m_result.images = check.readBack;
        m_result.otherMismatches = check.otherMismatches;
        m_result.deviceLearnt = job.operation.kind == Operation::Kind::WriteDevice;
        if (check.matches) {
            m_result.deviceNow = job.sent;
            finish(FlowResult::Status::Done);
            return;
        }
        m_result.deviceNow.reset();
        m_result.differences =
            fieldDifferences(job.fields, job.sent, job.heldVariant, check.readBack, job.heldVariant);
        finish(FlowResult::Status::Differs);
    });
}

bool ExchangeFlow::flash(const FirmwareJob &job, const FlowQuestions &questions, Done done)
{
    if (!begin(std::move(done)))
        return false;
    TPacketList list;
    if (job.toConfigurator) {
        const DeviceIdentity target = job.target.value_or(DeviceIdentity{});
        list.AddFirmwareToConfigurator(target.deviceType, target.variant, job.blocks);
        runStep({{Operation::Kind::FirmwareToConfigurator}, plannedOf(list, stagetext::kWriteFirmware)},
                [this] { finish(FlowResult::Status::Done); });
        return true;
    }
    list.AddFirmwareToDevice(job.blocks);
    const Operation operation{Operation::Kind::FirmwareToDevice};
    // The device says what it is before anything is written into it.
    identifyStep(operation, [this, job, questions, operation, planned = plannedOf(list, stagetext::kWriteFirmware)] {
        if (!firmwareFits(job.target, m_result.identity) && !ask(questions.flashOtherDevice, m_result.identity)) {
            finish(FlowResult::Status::Declined);
            return;
        }
        runStep({operation, planned}, [this] { finish(FlowResult::Status::Done); });
    });
    return true;
}
