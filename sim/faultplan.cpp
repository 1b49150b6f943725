#include "faultplan.h"

#include "frame.h"
#include "simtext.h"

#include <QHash>
#include <limits>

namespace {

using Action = FaultRule::Action;
using Trigger = FaultRule::Trigger;

constexpr int kMaxDelayMs = 600000;
// Line noise put before a reply; never the start byte, so it cannot pass for a frame.
constexpr char kNoiseByte = '\x55';
// What a reply carries beyond what was asked: unlike an image's bytes, so that it shows if
// it is ever taken.
constexpr char kSurplusByte = '\xA5';
constexpr int kMaxFrameBytes = 255;

struct ActionForm {
    Action action;
    int defaultAmount; // -1: the amount must be given
    int minAmount;
    int maxAmount;
    bool takesGap;
};

const QHash<QString, ActionForm> &actionSpecs()
{
    static const QHash<QString, ActionForm> forms = {
        {QStringLiteral("drop"), {Action::Drop, 0, 0, 0, false}},
        {QStringLiteral("corrupt"), {Action::CorruptChecksum, 0, 0, 0, false}},
        {QStringLiteral("wrongcmd"), {Action::WrongCommand, 0, 0, 0, false}},
        {QStringLiteral("split"), {Action::Split, -1, 2, kMaxFrameBytes, true}},
        {QStringLiteral("delay"), {Action::Delay, -1, 0, kMaxDelayMs, false}},
        {QStringLiteral("garbage"), {Action::Garbage, 1, 1, kMaxFrameBytes, false}},
        {QStringLiteral("truncate"), {Action::Truncate, 1, 1, kMaxFrameBytes - 1, false}},
        {QStringLiteral("silent"), {Action::FallSilent, 0, 0, 0, false}},
        {QStringLiteral("surplus"), {Action::Surplus, -1, 1, frame::kMaxPayload, false}},
    };
    return forms;
}

constexpr int kNoLimit = std::numeric_limits<int>::max();

// Reads `text` into `out`; returns an error text or an empty string.
QString readNumber(const QString &what, const QString &text, int min, int max, int &out)
{
    const std::optional<int> value = parseUserNumber(text, min, max);
    if (!value)
        return QStringLiteral("%1 \"%2\" is not a number from %3 to %4")
            .arg(what, text)
            .arg(min)
            .arg(max);
    out = *value;
    return QString();
}

// "split:3:20" and friends; returns an error text or an empty string.
QString parseAction(const QString &text, FaultRule &rule)
{
    const QStringList parts = text.split(u':');
    const QString name = parts.first().trimmed().toLower();
    const auto it = actionSpecs().constFind(name);
    if (it == actionSpecs().cend())
        return QStringLiteral("unknown fault action \"%1\"").arg(name);
    const ActionForm &form = *it;
    const int maxParts = 1 + (form.maxAmount > 0 ? 1 : 0) + (form.takesGap ? 1 : 0);
    if (parts.size() > maxParts)
        return QStringLiteral("too many values for \"%1\"").arg(name);
    rule.action = form.action;
    rule.amount = form.defaultAmount;
    QString error;
    if (parts.size() > 1)
        error = readNumber(name, parts.at(1), form.minAmount, form.maxAmount, rule.amount);
    if (error.isEmpty() && parts.size() > 2)
        error = readNumber(QStringLiteral("gap"), parts.at(2), 0, kMaxDelayMs, rule.gapMs);
    if (error.isEmpty() && rule.amount < 0)
        error = QStringLiteral("\"%1\" needs a value, as in \"%1:%2\"")
                    .arg(name)
                    .arg(form.minAmount + 1);
    return error;
}

// "cmd=0x06", "req=3", "any", "once", "times=2", "always"; returns an error text or "".
QString parseQualifier(const QString &text, FaultRule &rule)
{
    const QString word = text.trimmed().toLower();
    const QString key = word.section(u'=', 0, 0);
    const QString value = word.section(u'=', 1);
    if (word == QLatin1String("any")) {
        rule.trigger = Trigger::AnyRequest;
    } else if (word == QLatin1String("once")) {
        rule.count = 1;
    } else if (word == QLatin1String("always")) {
        rule.count = FaultRule::kAlways;
    } else if (key == QLatin1String("times") && !value.isEmpty()) {
        return readNumber(QStringLiteral("times"), value, 1, kNoLimit, rule.count);
    } else if (key == QLatin1String("cmd") && !value.isEmpty()) {
        rule.trigger = Trigger::Command;
        return readNumber(QStringLiteral("command code"), value, 0, 0xFF, rule.triggerValue);
    } else if (key == QLatin1String("req") && !value.isEmpty()) {
        rule.trigger = Trigger::NthRequest;
        return readNumber(QStringLiteral("request number"), value, 1, kNoLimit, rule.triggerValue);
    } else {
        return QStringLiteral("unknown fault trigger or count \"%1\"").arg(text.trimmed());
    }
    return QString();
}

QString parseRule(const QString &text, FaultRule &rule)
{
    const QStringList fields = text.split(u',');
    QString error = parseAction(fields.first(), rule);
    for (qsizetype i = 1; i < fields.size() && error.isEmpty(); ++i)
        error = parseQualifier(fields.at(i), rule);
    return error;
}

bool matches(const FaultRule &rule, int ordinal, quint8 command)
{
    switch (rule.trigger) {
    case Trigger::AnyRequest: return true;
    case Trigger::Command: return rule.triggerValue == command;
    case Trigger::NthRequest: return rule.triggerValue == ordinal;
    }
    return false;
}

QList<ReplyPiece> splitInto(const QByteArray &reply, int pieces, int gapMs)
{
    const qsizetype count = std::min<qsizetype>(pieces, reply.size());
    QList<ReplyPiece> result;
    qsizetype from = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype to = reply.size() * (i + 1) / count;
        result.append({reply.mid(from, to - from), i == 0 ? 0 : gapMs});
        from = to;
    }
    return result;
}

QByteArray payloadOf(const QByteArray &reply)
{
    return reply.mid(frame::kHeaderSize, reply.size() - frame::kOverhead);
}

QByteArray withCommand(const QByteArray &reply, quint8 command)
{
    return frame::make(frame::byteAt(reply, 1), command, payloadOf(reply));
}

// The reply's payload and up to `count` bytes more, as far as the length byte can count
// them (255 bytes in all), in a frame whose length and checksum are right.
QByteArray withSurplus(const QByteArray &reply, int count)
{
    const QByteArray payload = payloadOf(reply);
    const qsizetype room = std::max<qsizetype>(0, frame::kMaxPayload - payload.size());
    return frame::make(frame::byteAt(reply, 1), frame::byteAt(reply, 3),
                       payload + QByteArray(std::min<qsizetype>(count, room), kSurplusByte));
}

} // namespace

FaultPlan::FaultPlan(QList<FaultRule> rules) : m_rules(std::move(rules))
{
    for (const FaultRule &rule : m_rules)
        m_usesLeft.append(rule.count);
}

FaultPlan::Parsed FaultPlan::parse(const QString &text)
{
    QList<FaultRule> rules;
    for (const QString &ruleText : text.split(u';', Qt::SkipEmptyParts)) {
        if (ruleText.trimmed().isEmpty())
            continue;
        FaultRule rule;
        if (const QString error = parseRule(ruleText, rule); !error.isEmpty())
            return {std::nullopt, error};
        rules.append(rule);
    }
    return {FaultPlan(rules), QString()};
}

std::optional<FaultRule> FaultPlan::take(int ordinal, quint8 command)
{
    for (qsizetype i = 0; i < m_rules.size(); ++i) {
        if (m_usesLeft.at(i) == 0 || !matches(m_rules.at(i), ordinal, command))
            continue;
        if (m_usesLeft.at(i) != FaultRule::kAlways)
            --m_usesLeft[i];
        return m_rules.at(i);
    }
    return std::nullopt;
}

QString describeAction(const FaultRule &rule)
{
    switch (rule.action) {
    case Action::Drop: return QStringLiteral("fault: reply dropped");
    case Action::CorruptChecksum: return QStringLiteral("fault: checksum corrupted");
    case Action::WrongCommand: return QStringLiteral("fault: wrong command byte");
    case Action::Split:
        return QStringLiteral("fault: split into %1 pieces, %2 ms apart")
            .arg(rule.amount)
            .arg(rule.gapMs);
    case Action::Delay: return QStringLiteral("fault: delayed %1 ms").arg(rule.amount);
    case Action::Garbage:
        return QStringLiteral("fault: %1 noise bytes before the frame").arg(rule.amount);
    case Action::Truncate: return QStringLiteral("fault: last %1 bytes cut off").arg(rule.amount);
    case Action::FallSilent: return QStringLiteral("fault: fell silent");
    case Action::Surplus: return QStringLiteral("fault: %1 payload bytes more than asked").arg(rule.amount);
    }
    return QString();
}

QList<ReplyPiece> spoilReply(const FaultRule &rule, const QByteArray &reply)
{
    QByteArray bytes = reply;
    switch (rule.action) {
    case Action::Drop:
    case Action::FallSilent:
        return {};
    case Action::CorruptChecksum:
        bytes.back() = char(bytes.back() ^ 0xFF);
        break;
    case Action::WrongCommand:
        bytes = withCommand(reply, frame::byteAt(reply, 3) ^ 0x80);
        break;
    case Action::Split:
        return splitInto(reply, rule.amount, rule.gapMs);
    case Action::Delay:
        return {{reply, rule.amount}};
    case Action::Garbage:
        bytes.prepend(QByteArray(rule.amount, kNoiseByte));
        break;
    case Action::Truncate:
        bytes.chop(std::min<qsizetype>(rule.amount, reply.size() - 1));
        break;
    case Action::Surplus:
        bytes = withSurplus(reply, rule.amount);
        break;
    }
    return {{bytes, 0}};
}
