// Firmware from an Intel HEX file into the device or the configurator.
#include "commands.h"

#include "clitexts.h"
#include "commandsupport.h"
#include "hexfile.h"
#include "programmerview.h"
#include "session.h"

#include <QDir>

namespace {

QString firmwareTarget(const HexFirmware &firmware)
{
    return firmware.hasTarget ? QStringLiteral("a %1").arg(deviceText(firmware.deviceType, firmware.variant))
                              : QStringLiteral("no device model named in the file");
}

// The port speed decides where firmware may go: the programmer's rule.
std::optional<CommandResult> refusedAtSpeed(const Invocation &invocation, qint32 baudRate)
{
    const qsizetype targets = programmerTargets(baudRate).size();
    if (targets == 0)
        return badInput(QStringLiteral("firmware is written at 9600 or 38400 baud, not at %1 (see --baud)").arg(baudRate));
    if (invocation.toConfigurator && targets < 2)
        return badInput(QStringLiteral("firmware goes into the configurator at 38400 baud only, not at %1").arg(baudRate));
    return std::nullopt;
}

std::optional<CommandResult> refusedFirmware(const Invocation &invocation, const HexFile &hex)
{
    const QString path = QDir::toNativeSeparators(invocation.file);
    if (!hex.parsed.ok())
        return badInput(QStringLiteral("%1: %2").arg(path, hexErrorLine(hex.parsed.error)));
    if (hex.parsed.firmware.lines.isEmpty())
        return badInput(QStringLiteral("%1: no firmware data to write").arg(path));
    if (invocation.toConfigurator && hex.parsed.firmware.merged.size() > configurator::kFirmwareMaxBlocks)
        return badInput(QStringLiteral("%1: %2 blocks, the configurator holds at most %3")
                            .arg(path)
                            .arg(hex.parsed.firmware.merged.size())
                            .arg(configurator::kFirmwareMaxBlocks));
    return std::nullopt;
}

CommandResult declined(const QString &why)
{
    return notDone(QStringLiteral("declined"), QStringLiteral("not written: %1 (--yes writes it anyway)").arg(why));
}

} // namespace

CommandResult flashCommand(Session &session, const Invocation &invocation)
{
    const HexFile hex = readHexFile(invocation.file);
    if (std::optional<CommandResult> refused = refusedFirmware(invocation, hex))
        return *refused;
    if (std::optional<CommandResult> refused = refusedAtSpeed(invocation, session.settings().baudRate))
        return *refused;
    const HexFirmware &firmware = hex.parsed.firmware;
    if (invocation.toConfigurator && !firmware.hasTarget
        && !session.confirm(QStringLiteral("The file names no device model. Write it into the configurator anyway?")))
        return declined(firmwareTarget(firmware));
    std::optional<DeviceIdentity> other;
    FlowQuestions questions;
    questions.flashOtherDevice = [&](const DeviceIdentity &found) {
        other = found;
        return session.confirm(QStringLiteral("The firmware is for %1, the device is a %2. Write it anyway?")
                                   .arg(firmwareTarget(firmware), deviceText(found.deviceType, found.variant)));
    };
    const FirmwareJob job = firmwareJob(firmware, invocation.toConfigurator);
    const FlowResult flashed = session.run(
        [&](ExchangeFlow &flow, const ExchangeFlow::Done &done) { return flow.flash(job, questions, done); });
    session.note({EventKind::FirmwareFlash, {}, flashed.identity.deviceType, flashed.identity.variant, {}, invocation.file},
                 flashed);
    if (flashed.status == FlowResult::Status::Declined && other)
        return declined(QStringLiteral("the firmware is for %1, the device is a %2")
                            .arg(firmwareTarget(firmware), deviceText(other->deviceType, other->variant)));
    if (std::optional<CommandResult> stop = stopOf(flashed))
        return *stop;
    CommandResult result;
    result.details.insert(QStringLiteral("blocks"), int(job.blocks.size()));
    result.lines << QStringLiteral("wrote %1 firmware blocks into the %2")
                        .arg(job.blocks.size())
                        .arg(invocation.toConfigurator ? QStringLiteral("configurator") : QStringLiteral("device"));
    return result;
}
