// The commands on the connected device that do not write its settings.
#include "commands.h"

#include "clitexts.h"
#include "commandsupport.h"
#include "session.h"

#include <QDir>

namespace {

CommandResult identified(const DeviceIdentity &identity)
{
    CommandResult result;
    describeDevice(result, identity.deviceType, identity.variant);
    const std::optional<Identified> found = identify(identity.deviceType, identity.variant);
    const QString title = found ? editorTitle(found->model, found->variant) : QString();
    result.details.insert(QStringLiteral("supported"), found.has_value());
    result.details.insert(QStringLiteral("title"), title);
    result.lines << QStringLiteral("device:  %1").arg(deviceText(identity.deviceType, identity.variant))
                 << QStringLiteral("type:    %1").arg(identity.deviceType)
                 << QStringLiteral("variant: %1").arg(identity.variant);
    if (found)
        result.lines << QStringLiteral("title:   %1").arg(title);
    else
        result.lines << QStringLiteral("vexctl does not support this device");
    return result;
}

ReadJob deviceRead(const DeviceDefinition &d, quint8 variant, const Session &session, Operation::Kind kind)
{
    return {{kind}, d.deviceRead(variant, session.settings().baudRate), d.eepromSize, d.deviceReadMemorySize()};
}

CommandResult comparison(const FlowResult &compared, bool quiet)
{
    CommandResult result;
    result.details.insert(QStringLiteral("differences"),
                          differenceArray(compared.differences, QStringLiteral("file"), QStringLiteral("device")));
    if (compared.differences.isEmpty()) {
        result.result = QStringLiteral("same");
        if (!quiet)
            result.lines << QStringLiteral("no differences");
        return result;
    }
    result.exitCode = exitcode::kDiffers;
    result.result = QStringLiteral("differs");
    result.lines = differenceLines(compared.differences, QStringLiteral("file"), QStringLiteral("device"));
    return result;
}

} // namespace

CommandResult identifyCommand(Session &session, const Invocation &)
{
    const FlowResult result = session.identify({Operation::Kind::ReadDevice});
    if (std::optional<CommandResult> stop = stopOf(result, QStringLiteral("identifying the device")))
        return *stop;
    return identified(result.identity);
}

// Saved as the editor saves: the identified variant and the images cut to the model's sizes.
CommandResult readCommand(Session &session, const Invocation &invocation)
{
    const ModelOrStop model = identifyModel(session, {Operation::Kind::ReadDevice});
    if (const auto *stop = std::get_if<CommandResult>(&model))
        return *stop;
    const Identified found = std::get<Identified>(model);
    const DeviceDefinition &d = modelInfo(found.model);
    return readIntoFile(session, deviceRead(d, found.variant, session, Operation::Kind::ReadDevice), found,
                        QStringLiteral("the device"), invocation.output);
}

CommandResult compareCommand(Session &session, const Invocation &invocation)
{
    const SettingsFileOrStop loaded = loadSettingsFile(invocation.file);
    if (const auto *stop = std::get_if<CommandResult>(&loaded))
        return *stop;
    const settingsfile::Contents &file = std::get<settingsfile::Contents>(loaded);
    const VariantOrStop accepted = identifyFor(session, {Operation::Kind::CompareDevice}, file, invocation.file);
    if (const auto *stop = std::get_if<CommandResult>(&accepted))
        return *stop;
    const quint8 variant = std::get<quint8>(accepted);
    const DeviceDefinition &d = modelInfo(file.model);
    const SettingsImages held = imagesOf(file);
    const CompareJob job{deviceRead(d, variant, session, Operation::Kind::CompareDevice), held,
                         d.imagesVariant(held, variant), variant, d.settingFields};
    const FlowResult compared =
        session.run([&job](ExchangeFlow &flow, const ExchangeFlow::Done &done) { return flow.compare(job, done); });
    session.note({EventKind::Compare, {}, d.typeCode, variant, {}, invocation.file}, compared);
    if (std::optional<CommandResult> stop = stopOf(compared))
        return *stop;
    return comparison(compared, invocation.command == Command::Check);
}

CommandResult regularCommand(Session &session, const Invocation &)
{
    return runPlain(session, &ExchangeFlow::regularMode, QStringLiteral("regular mode requested"));
}
