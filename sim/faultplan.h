#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// One fault: what is done to a reply, to which request, how often.
struct FaultRule {
    enum class Action {
        Drop,           // the reply is not sent
        CorruptChecksum,
        WrongCommand,   // another command byte, with a checksum that matches it
        Split,          // the reply goes in `amount` pieces, `gapMs` apart
        Delay,          // the reply goes `amount` ms late
        Garbage,        // `amount` noise bytes go before the start byte
        Truncate,       // the last `amount` bytes are not sent
        FallSilent,     // this and every later request go unanswered
        Surplus,        // `amount` payload bytes more than asked, framed as a good reply
    };
    enum class Trigger {
        AnyRequest,
        Command,    // requests with command code `triggerValue`
        NthRequest, // the request numbered `triggerValue`, counting every request from 1
    };
    static constexpr int kAlways = -1;

    Action action = Action::Drop;
    int amount = 0;
    int gapMs = 0;
    Trigger trigger = Trigger::AnyRequest;
    int triggerValue = 0;
    int count = 1; // how many replies it spoils, or kAlways
};

// The faults a simulator injects. Rules are tried in order; the first that matches a
// request and has uses left spoils its reply and uses one up. Requests that get no reply
// anyway (regular mode, unknown commands) neither match nor use a rule up.
class FaultPlan
{
public:
    FaultPlan() = default;
    explicit FaultPlan(QList<FaultRule> rules);

    // Rules separated by ";", each "action[:n[:gap]][,trigger][,count]":
    //   action  drop | corrupt | wrongcmd | split:pieces[:gapms] | delay:ms |
    //           garbage[:bytes] | truncate[:bytes] | silent | surplus:bytes
    //   trigger any | cmd=CODE | req=N              (default any)
    //   count   once | times=N | always             (default once)
    // Numbers are decimal or 0x-prefixed hexadecimal.
    struct Parsed;
    static Parsed parse(const QString &text);

    // The rule that spoils the reply to request `ordinal` (1-based) with `command`, if any.
    std::optional<FaultRule> take(int ordinal, quint8 command);

private:
    QList<FaultRule> m_rules;
    QList<int> m_usesLeft;
};

struct FaultPlan::Parsed {
    std::optional<FaultPlan> plan;
    QString error; // what is wrong with the text, when there is no plan
};

// A short description of a rule's action for the trace ("split into 3 pieces, 20 ms apart").
QString describeAction(const FaultRule &rule);

// Part of a reply as it goes on the line: `delayMs` is the pause before its first byte.
struct ReplyPiece {
    QByteArray bytes;
    int delayMs = 0;
};

// The pieces that go on the line when `rule` spoils `reply` (none for a dropped reply
// or a silent device).
QList<ReplyPiece> spoilReply(const FaultRule &rule, const QByteArray &reply);
