// The simulator's fault-plan parser, and what each parsed rule does to a reply. Any text is a
// plan or an error that says what is wrong, never both; every rule a plan hands out spoils a
// reply as its action says: nothing sent, one bad byte, another command, the same bytes in
// pieces or late, noise (never a start byte) before the frame, or the frame cut short.
#include "faultplan.h"
#include "frame.h"
#include "fuzzcheck.h"

namespace {

using Action = FaultRule::Action;

QByteArray joined(const QList<ReplyPiece> &pieces)
{
    QByteArray bytes;
    for (const ReplyPiece &piece : pieces)
        bytes += piece.bytes;
    return bytes;
}

void checkSpoiled(const FaultRule &rule, const QByteArray &reply)
{
    const QList<ReplyPiece> pieces = spoilReply(rule, reply);
    const QByteArray sent = joined(pieces);
    FUZZ_CHECK(!describeAction(rule).isEmpty());
    switch (rule.action) {
    case Action::Drop:
    case Action::FallSilent:
        FUZZ_CHECK(pieces.isEmpty());
        return;
    case Action::CorruptChecksum:
        FUZZ_CHECK(sent.size() == reply.size() && sent.chopped(1) == reply.chopped(1));
        FUZZ_CHECK(!frame::checksumIsGood(sent));
        break;
    case Action::WrongCommand:
        FUZZ_CHECK(sent.size() == reply.size() && frame::checksumIsGood(sent));
        FUZZ_CHECK(!frame::replyIsGood(sent, reply));
        break;
    case Action::Split:
        FUZZ_CHECK(sent == reply);
        FUZZ_CHECK(pieces.size() == std::min<qsizetype>(rule.amount, reply.size()));
        for (qsizetype i = 0; i < pieces.size(); ++i)
            FUZZ_CHECK(!pieces[i].bytes.isEmpty() && pieces[i].delayMs == (i == 0 ? 0 : rule.gapMs));
        return;
    case Action::Delay:
        FUZZ_CHECK(pieces.size() == 1 && sent == reply && pieces[0].delayMs == rule.amount);
        return;
    case Action::Garbage:
        FUZZ_CHECK(rule.amount > 0 && sent.size() == reply.size() + rule.amount && sent.endsWith(reply));
        FUZZ_CHECK(!sent.left(rule.amount).contains(char(frame::kStartByte)));
        break;
    case Action::Truncate:
        FUZZ_CHECK(reply.startsWith(sent) && sent.size() < reply.size());
        FUZZ_CHECK(sent.size() >= reply.size() - rule.amount);
        break;
    case Action::Surplus:
        // A good frame of the same command that never outgrows what a length byte can say.
        FUZZ_CHECK(sent.size() >= reply.size() && sent.size() <= frame::kMaxSize);
        FUZZ_CHECK(frame::checksumIsGood(sent) && frame::byteAt(sent, 2) == sent.size());
        FUZZ_CHECK(frame::replyIsGood(sent, reply));
        break;
    }
    FUZZ_CHECK(pieces.size() == 1 && pieces[0].delayMs == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const FaultPlan::Parsed parsed = FaultPlan::parse(text);
    FUZZ_CHECK(parsed.plan.has_value() == parsed.error.isEmpty());
    if (!parsed.plan)
        return 0;
    FaultPlan plan = *parsed.plan;
    // Requests as an identification and a device read send them, with replies of their sizes.
    constexpr quint8 kCommands[] = {frame::kCmdIdentify, frame::kCmdSetAddress, frame::kCmdReadMemory,
                                    frame::kCmdReadEepromByte, frame::kCmdWriteMemory};
    for (int ordinal = 1; ordinal <= 20; ++ordinal) {
        const quint8 command = kCommands[ordinal % std::size(kCommands)];
        const QByteArray reply = frame::make(frame::kAddrDevice, command, QByteArray(ordinal % 3 * 16, '\x42'));
        if (const std::optional<FaultRule> rule = plan.take(ordinal, command))
            checkSpoiled(*rule, reply);
    }
    return 0;
}
