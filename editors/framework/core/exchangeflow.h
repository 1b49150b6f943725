#pragma once

#include "exchangestate.h"
#include "flowjobs.h"
#include "transferplan.h"

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>

class TMainCPort;

// One exchange on the line within an operation of the flow.
struct FlowStep {
    Operation operation;
    PlannedExchange planned;
    bool counted = true; // false: the step's length says nothing (identification, survey)
};

// Every operation the program runs with a device or the configurator, from the first
// request to the end: identification, reads, the checked write with the read before it
// and its resumption, comparison, the configurator's slots, survey and clearing, regular
// mode and firmware. It owns the link for each exchange on the line, reports progress as
// it goes, asks its questions through FlowQuestions and ends every operation with one
// FlowResult. One operation runs at a time: a second one is refused while it runs.
class ExchangeFlow : public QObject
{
    Q_OBJECT
public:
    using LinkFactory = std::function<std::unique_ptr<TMainCPort>(ExchangeState &)>;
    using Done = std::function<void(const FlowResult &)>;

    explicit ExchangeFlow(LinkFactory makeLink, QObject *parent = nullptr);
    ~ExchangeFlow() override;

    bool running() const { return bool(m_done); }
    // Stops the operation after the request in flight; a step that would follow is not
    // started. Pressed between two operations that belong together (an identification
    // and the write it comes before), it stops the next one before it sends anything.
    void cancel();
    // Forgets a cancel that no operation took (the display that offered it closed).
    void forgetCancel() { m_cancelRequested = false; }

    // Each starts an operation that ends by calling `done` once, or returns false (and
    // calls nothing) while another runs.
    bool identify(const Operation &operation, Done done);
    bool readSlotHeader(int slot, Done done);
    bool surveySlots(Done done);
    bool clearConfigurator(Done done);
    bool regularMode(Done done);
    bool read(const ReadJob &job, Done done);
    bool compare(const CompareJob &job, Done done);
    bool write(const WriteJob &job, const FlowQuestions &questions, Done done);
    bool resume(const CutWrite &cut, Done done);
    // Reads back and compares what `job` wrote, as its own check does, writing nothing: for
    // a write whose check did not complete.
    bool check(const WriteJob &job, Done done);
    bool flash(const FirmwareJob &job, const FlowQuestions &questions, Done done);

Q_SIGNALS:
    void stepStarted(const FlowStep &step);
    // The requests of the current step answered so far.
    void answered(int count);

protected:
    bool event(QEvent *event) override;

private:
    using Next = std::function<void()>;

    bool begin(Done done);
    void runStep(const FlowStep &step, Next next);
    void readStep(const ReadJob &job, Next next);
    void identifyStep(const Operation &operation, Next next);
    void writeStep(const WriteJob &job, int from, Next next);
    void checkStep(const WriteJob &job);
    void afterReRead(const WriteJob &job, const FlowQuestions &questions);
    void writeWhatDiffers(const WriteJob &job, const SettingsImages &now);
    void stepEnded();
    void stepFailed();
    void stepCancelled();
    void finish(FlowResult::Status status);
    SettingsImages images() const { return {m_state.EepromImage, m_state.MemoryImage}; }

    LinkFactory m_makeLink;
    ExchangeState m_state; // what the link stores replies into
    std::unique_ptr<TMainCPort> m_link;
    Done m_done;
    Next m_next;
    FlowStep m_step;
    FlowResult m_result;
    QElapsedTimer m_started;
    bool m_cancelRequested = false;
    std::optional<WriteJob> m_writing; // the write under way, to resume when it is cut
    int m_writeOffset = 0;             // requests of it before the list being sent
};
