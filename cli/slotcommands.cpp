// The configurator's slots: survey, read, write, and clearing it.
#include "commands.h"

#include "clitexts.h"
#include "commandsupport.h"
#include "session.h"

#include <QDir>

namespace {

// A slot nothing was written to reads as erased memory.
constexpr quint8 kErasedType = 0xFF;

QJsonObject slotObject(int slot, const std::optional<DeviceIdentity> &found)
{
    QJsonObject object{{QStringLiteral("slot"), slot}};
    object.insert(QStringLiteral("answered"), found.has_value());
    if (!found)
        return object;
    const bool empty = found->deviceType == kErasedType;
    object.insert(QStringLiteral("empty"), empty);
    if (empty)
        return object;
    object.insert(QStringLiteral("typeCode"), found->deviceType);
    object.insert(QStringLiteral("variant"), found->variant);
    object.insert(QStringLiteral("description"), slotDescription(found->deviceType, found->variant));
    return object;
}

QString slotLine(int slot, const std::optional<DeviceIdentity> &found)
{
    QString content = QStringLiteral("no answer");
    if (found && found->deviceType == kErasedType)
        content = QStringLiteral("empty");
    else if (found)
        content = QStringLiteral("%1 %2").arg(deviceText(found->deviceType, found->variant),
                                               slotDescription(found->deviceType, found->variant));
    return QStringLiteral("slot %1: %2").arg(slot).arg(content);
}

std::optional<CommandResult> refuseWithoutSlots(const DeviceDefinition &d)
{
    if (d.takesConfiguratorTransfers)
        return std::nullopt;
    return notDone(QStringLiteral("refused"),
                   QStringLiteral("the configurator does not carry settings of the %1").arg(modelName(d.model)));
}

using ModelInSlot = std::variant<Identified, CommandResult>;

ModelInSlot modelInSlot(Session &session, int slot)
{
    const FlowResult header = session.run(
        [slot](ExchangeFlow &flow, const ExchangeFlow::Done &done) { return flow.readSlotHeader(slot, done); });
    if (std::optional<CommandResult> stop = stopOf(header))
        return *stop;
    if (header.identity.deviceType == kErasedType)
        return notDone(QStringLiteral("empty"), QStringLiteral("configurator slot %1 is empty").arg(slot));
    const ModelOrStop model = supportedModel(header.identity, QStringLiteral("configurator slot %1").arg(slot));
    if (const auto *found = std::get_if<Identified>(&model)) {
        if (std::optional<CommandResult> refused = refuseWithoutSlots(modelInfo(found->model)))
            return *refused;
    }
    return model;
}

CommandResult slotWritten(const FlowResult &written, int slot, quint8 recorded)
{
    CommandResult result = writeOutcome(written, QStringLiteral("configurator slot %1").arg(slot));
    result.details.insert(QStringLiteral("slot"), slot);
    result.details.insert(QStringLiteral("recordedVariant"), recorded);
    return result;
}

} // namespace

CommandResult slotsCommand(Session &session, const Invocation &)
{
    const FlowResult survey =
        session.run([](ExchangeFlow &flow, const ExchangeFlow::Done &done) { return flow.surveySlots(done); });
    if (std::optional<CommandResult> stop = stopOf(survey))
        return *stop;
    CommandResult result;
    QJsonArray slots;
    for (int slot = 1; slot <= configurator::kSlotCount; ++slot) {
        const std::optional<DeviceIdentity> found = survey.slotsFound.value(slot - 1);
        slots.append(slotObject(slot, found));
        result.lines << slotLine(slot, found);
    }
    result.details.insert(QStringLiteral("slots"), slots);
    return result;
}

// Saved as the editor saves a slot it read: the variant the editor takes for the slot's.
CommandResult slotReadCommand(Session &session, const Invocation &invocation)
{
    const ModelInSlot model = modelInSlot(session, invocation.slot);
    if (const auto *stop = std::get_if<CommandResult>(&model))
        return *stop;
    const Identified found = std::get<Identified>(model);
    const DeviceDefinition &d = modelInfo(found.model);
    const ReadJob job{{Operation::Kind::ReadSlot, invocation.slot}, d.slotRead(found.variant, invocation.slot),
                      d.eepromSize, d.memorySize};
    CommandResult result = readIntoFile(session, job, found, QStringLiteral("configurator slot %1").arg(invocation.slot),
                                        invocation.output);
    result.details.insert(QStringLiteral("slot"), invocation.slot);
    return result;
}

CommandResult slotWriteCommand(Session &session, const Invocation &invocation)
{
    const SettingsFileOrStop loaded = loadSettingsFile(invocation.file);
    if (const auto *stop = std::get_if<CommandResult>(&loaded))
        return *stop;
    const settingsfile::Contents &file = std::get<settingsfile::Contents>(loaded);
    const DeviceDefinition &d = modelInfo(file.model);
    if (std::optional<CommandResult> refused = refuseWithoutSlots(d))
        return *refused;
    const SettingsImages sent = imagesOf(file);
    const quint8 held = d.imagesVariant(sent, file.header.variant);
    const WriteJob job = writeJobOf({Operation::Kind::WriteSlot, invocation.slot}, d.slotWrite(held, invocation.slot),
                                    sent, held, d, !invocation.noCheck);
    const FlowResult written = session.run(
        [&job](ExchangeFlow &flow, const ExchangeFlow::Done &done) { return flow.write(job, FlowQuestions{}, done); });
    session.note({EventKind::SlotWrite, {}, d.typeCode, d.slotVariant(held), sent, invocation.file}, written);
    if (std::optional<CommandResult> stop = stopOf(written))
        return *stop;
    return slotWritten(written, invocation.slot, d.slotVariant(held));
}

CommandResult clearCommand(Session &session, const Invocation &)
{
    if (!session.confirm(QStringLiteral("Clear the configurator? Everything it holds is erased.")))
        return notDone(QStringLiteral("declined"), QStringLiteral("the configurator was not cleared (--yes clears it without asking)"));
    return runPlain(session, &ExchangeFlow::clearConfigurator, QStringLiteral("cleared the configurator"));
}
