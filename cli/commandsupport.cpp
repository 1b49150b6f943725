#include "commandsupport.h"

#include "clitexts.h"
#include "session.h"

#include <QDir>

SettingsFileOrStop loadSettingsFile(const QString &path)
{
    const settingsfile::ReadResult read = settingsfile::readFile(path);
    if (const auto *failure = std::get_if<settingsfile::Failure>(&read))
        return badInput(settingsFileFault(path, *failure));
    return std::get<settingsfile::Contents>(read);
}

SettingsImages imagesOf(const settingsfile::Contents &file)
{
    return {file.images.eeprom, file.images.memory};
}

ModelOrStop supportedModel(const DeviceIdentity &identity, const QString &where)
{
    const std::optional<Identified> found = identify(identity.deviceType, identity.variant);
    if (!found || !modelInfo(found->model).hasEditor())
        return notDone(QStringLiteral("unsupported"), QStringLiteral("%1 (type %2, variant %3) is no model vexctl supports")
                                                          .arg(where)
                                                          .arg(identity.deviceType)
                                                          .arg(identity.variant));
    return *found;
}

ModelOrStop identifyModel(Session &session, const Operation &operation)
{
    const FlowResult result = session.identify(operation);
    if (std::optional<CommandResult> stop = stopOf(result, QStringLiteral("identifying the device")))
        return *stop;
    return supportedModel(result.identity, QStringLiteral("the device"));
}

namespace {

VariantOrStop writeVariantFor(const settingsfile::Contents &file, const DeviceIdentity &device, const QString &path)
{
    const DeviceDefinition &d = modelInfo(file.model);
    if (device.deviceType == d.typeCode) {
        if (const std::optional<quint8> variant = d.writeVariant(file.header.variant, device.variant))
            return *variant;
    }
    CommandResult refused = notDone(QStringLiteral("refused"), QStringLiteral("the device is a %1; %2 holds settings for a %3")
                                                               .arg(deviceText(device.deviceType, device.variant),
                                                                    QDir::toNativeSeparators(path),
                                                                    deviceText(file.header.typeCode, file.header.variant)));
    describeDevice(refused, device.deviceType, device.variant);
    return refused;
}

} // namespace

VariantOrStop identifyFor(Session &session, const Operation &operation, const settingsfile::Contents &file,
                          const QString &path)
{
    const FlowResult found = session.identify(operation);
    if (std::optional<CommandResult> stop = stopOf(found, QStringLiteral("identifying the device")))
        return *stop;
    return writeVariantFor(file, found.identity, path);
}

CommandResult readIntoFile(Session &session, const ReadJob &job, const Identified &found, const QString &source,
                           const QString &path)
{
    const FlowResult read =
        session.run([&job](ExchangeFlow &flow, const ExchangeFlow::Done &done) { return flow.read(job, done); });
    const DeviceDefinition &d = modelInfo(found.model);
    const EventKind kind = job.operation.kind == Operation::Kind::ReadSlot ? EventKind::SlotRead : EventKind::Read;
    session.note({kind, {}, d.typeCode, found.variant, {}, path}, read);
    if (std::optional<CommandResult> stop = stopOf(read))
        return *stop;
    if (!settingsfile::write(path, {d.typeCode, found.variant}, read.images.eeprom, d.eepromSize, read.images.memory,
                             d.memorySize))
        return badInput(QStringLiteral("%1: cannot write the file").arg(QDir::toNativeSeparators(path)));
    CommandResult result;
    describeDevice(result, d.typeCode, found.variant);
    result.details.insert(QStringLiteral("file"), path);
    result.lines << QStringLiteral("read %1 (%2) into %3")
                        .arg(source, deviceText(d.typeCode, found.variant), QDir::toNativeSeparators(path));
    return result;
}

CommandResult runPlain(Session &session, bool (ExchangeFlow::*start)(ExchangeFlow::Done), const QString &doneText)
{
    const FlowResult result =
        session.run([start](ExchangeFlow &flow, const ExchangeFlow::Done &done) { return (flow.*start)(done); });
    if (std::optional<CommandResult> stop = stopOf(result))
        return *stop;
    CommandResult ended;
    ended.lines << doneText;
    return ended;
}

WriteJob writeJobOf(const Operation &operation, const TransferPlan &plan, const SettingsImages &sent,
                    quint8 heldVariant, const DeviceDefinition &definition, bool check)
{
    WriteJob job;
    job.operation = operation;
    job.plan = plan;
    job.sent = sent;
    job.heldVariant = heldVariant;
    job.fields = definition.settingFields;
    job.check = check;
    return job;
}

void describeDevice(CommandResult &result, quint8 typeCode, quint8 variant)
{
    const QJsonObject fields = deviceFields(typeCode, variant);
    for (auto it = fields.begin(); it != fields.end(); ++it)
        result.details.insert(it.key(), it.value());
}

QJsonObject deviceFields(quint8 typeCode, quint8 variant)
{
    const std::optional<Model> model = modelByTypeCode(typeCode);
    return {{QStringLiteral("model"), model ? modelName(*model) : QString()},
            {QStringLiteral("typeCode"), typeCode},
            {QStringLiteral("variant"), variant}};
}

CommandResult writeOutcome(const FlowResult &written, const QString &target)
{
    CommandResult result;
    result.details.insert(QStringLiteral("differences"),
                          differenceArray(written.differences, QStringLiteral("written"), QStringLiteral("read")));
    result.details.insert(QStringLiteral("otherMismatches"), QJsonArray::fromStringList(written.otherMismatches));
    if (written.status == FlowResult::Status::Differs || !written.otherMismatches.isEmpty()) {
        result.exitCode = exitcode::kDiffers;
        result.result = QStringLiteral("differs");
        result.message = QStringLiteral("what was read back from %1 differs from what was written").arg(target);
        result.lines = differenceLines(written.differences, QStringLiteral("written"), QStringLiteral("read"))
                       + written.otherMismatches;
        return result;
    }
    result.result = written.checked ? QStringLiteral("checked") : QStringLiteral("written");
    QString line = (written.checked ? QStringLiteral("wrote and checked %1") : QStringLiteral("wrote %1")).arg(target);
    if (written.runsWritten) {
        result.details.insert(QStringLiteral("settingsWritten"), written.settingsWritten);
        result.details.insert(QStringLiteral("runsWritten"), *written.runsWritten);
        line = *written.runsWritten == 0
                   ? QStringLiteral("%1 already holds these settings: nothing written").arg(target)
                   : line + QStringLiteral(": %1 setting(s) that differed, in %2 run(s)")
                                .arg(written.settingsWritten)
                                .arg(*written.runsWritten);
    }
    result.lines << line;
    return result;
}
