#include "eventcodes.h"

#include <QString>
#include <utility>

namespace {

template <typename Enum>
using CodeTable = std::initializer_list<std::pair<Enum, const char *>>;

const CodeTable<EventKind> kKinds = {
    {EventKind::Read, "read"},           {EventKind::Write, "write"},
    {EventKind::CheckedWrite, "checked-write"}, {EventKind::Compare, "compare"},
    {EventKind::FirmwareFlash, "firmware"},  {EventKind::SlotRead, "slot-read"},
    {EventKind::SlotWrite, "slot-write"},     {EventKind::FileSaved, "file-saved"},
    {EventKind::FileOpened, "file-opened"},
};

const CodeTable<EventOutcome> kOutcomes = {
    {EventOutcome::Done, "done"},
    {EventOutcome::Differs, "differs"},
    {EventOutcome::Failed, "failed"},
    {EventOutcome::Cancelled, "cancelled"},
};

template <typename Enum>
QString codeOf(const CodeTable<Enum> &table, Enum value)
{
    for (const auto &[entry, code] : table) {
        if (entry == value)
            return QString::fromLatin1(code);
    }
    return QString();
}

template <typename Enum>
std::optional<Enum> valueOf(const CodeTable<Enum> &table, const QString &code)
{
    for (const auto &[entry, text] : table) {
        if (code == QLatin1String(text))
            return entry;
    }
    return std::nullopt;
}

} // namespace

QString eventKindCode(EventKind kind)
{
    return codeOf(kKinds, kind);
}

std::optional<EventKind> eventKindFromCode(const QString &code)
{
    return valueOf(kKinds, code);
}

QString outcomeCode(EventOutcome outcome)
{
    return codeOf(kOutcomes, outcome);
}

std::optional<EventOutcome> outcomeFromCode(const QString &code)
{
    return valueOf(kOutcomes, code);
}
