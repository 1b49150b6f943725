// Writing a settings file into the device, and going on with a write that was cut.
#include "commands.h"

#include "clitexts.h"
#include "commandsupport.h"
#include "resumepoint.h"
#include "session.h"
#include "writecut.h"

#include <QDir>
#include <QFileInfo>

namespace {

WriteJob deviceWriteJob(const settingsfile::Contents &file, quint8 variant, const Invocation &invocation,
                        const Session &session)
{
    const DeviceDefinition &d = modelInfo(file.model);
    const SettingsImages sent = imagesOf(file);
    const quint8 held = d.imagesVariant(sent, variant);
    WriteJob job = writeJobOf({Operation::Kind::WriteDevice}, d.deviceWrite(held), sent, held, d, !invocation.noCheck);
    job.checkReadPlan = d.deviceRead(variant, session.settings().baudRate);
    job.deviceVariant = variant;
    // The device is read first so that only what it does not hold yet is sent.
    job.whole = invocation.all;
    job.readFirst = !invocation.all;
    job.reRead = {{Operation::Kind::CompareDevice}, job.checkReadPlan, d.eepromSize, d.deviceReadMemorySize()};
    if (d.segments)
        job.segments = d.segments(variant);
    return job;
}

// This file's bytes on this port; `from` is filled in by the write that is cut.
ResumePoint pointOf(const Invocation &invocation, const QString &port)
{
    return {QFileInfo(invocation.file).absoluteFilePath(), resumepoint::hashOfFile(invocation.file), port, 0};
}

using PointOrStop = std::variant<ResumePoint, CommandResult>;

PointOrStop storedPoint(const ResumePoint &wanted, const QString &path)
{
    const std::optional<ResumePoint> stored = resumepoint::load();
    if (!stored || stored->sha256 != wanted.sha256 || stored->port != wanted.port)
        return badInput(QStringLiteral("%1: no interrupted write of this file to %2 is stored")
                            .arg(QDir::toNativeSeparators(path), wanted.port));
    return *stored;
}

// The state file could have been edited: the point must lie inside this write.
std::optional<CommandResult> checkPointFits(const ResumePoint &point, const WriteJob &job)
{
    const qsizetype requests = planRequests(job.plan, job.sent.eeprom, job.sent.memory).list.size();
    if (point.from < requests)
        return std::nullopt;
    return badInput(QStringLiteral("the stored point (request %1) lies past this write's %2 requests: state file %3")
                        .arg(point.from)
                        .arg(requests)
                        .arg(QDir::toNativeSeparators(resumepoint::statePath())));
}

// A write the device took part of keeps its point; one that went through removes this port's.
void keepPoint(const FlowResult &written, ResumePoint point, CommandResult *stop)
{
    if (written.cut) {
        point.from = written.cut->from;
        point.cutAgainst = written.cut->job.cutAgainst;
        if (resumepoint::store(point) && stop)
            stop->message += QStringLiteral("; go on with: vexctl write %1 --resume").arg(point.file);
        return;
    }
    const std::optional<ResumePoint> stored = resumepoint::load();
    if (!stop && stored && stored->port == point.port)
        resumepoint::clear();
}

CommandResult writeResult(const FlowResult &written, const settingsfile::Contents &file, const QString &path)
{
    CommandResult result = writeOutcome(written, QStringLiteral("the device"));
    describeDevice(result, file.header.typeCode, file.header.variant);
    result.details.insert(QStringLiteral("file"), path);
    return result;
}

} // namespace

CommandResult writeCommand(Session &session, const Invocation &invocation)
{
    const SettingsFileOrStop loaded = loadSettingsFile(invocation.file);
    if (const auto *stop = std::get_if<CommandResult>(&loaded))
        return *stop;
    const settingsfile::Contents &file = std::get<settingsfile::Contents>(loaded);
    const ResumePoint wanted = pointOf(invocation, session.settings().port);
    std::optional<ResumePoint> resumeAt;
    if (invocation.resume) {
        const PointOrStop stored = storedPoint(wanted, invocation.file);
        if (const auto *stop = std::get_if<CommandResult>(&stored))
            return *stop;
        resumeAt = std::get<ResumePoint>(stored);
    }
    const VariantOrStop accepted = identifyFor(session, {Operation::Kind::WriteDevice}, file, invocation.file);
    if (const auto *stop = std::get_if<CommandResult>(&accepted))
        return *stop;
    const quint8 variant = std::get<quint8>(accepted);
    WriteJob job = deviceWriteJob(file, variant, invocation, session);
    if (resumeAt) {
        // A write cut to what differed goes on within the same cut.
        if (resumeAt->cutAgainst) {
            job.plan = cutWritePlan(job.plan, job.sent, job.segments, *resumeAt->cutAgainst).plan;
            job.cutAgainst = resumeAt->cutAgainst;
        }
        if (std::optional<CommandResult> stop = checkPointFits(*resumeAt, job))
            return *stop;
    }
    const FlowResult written = session.run([&](ExchangeFlow &flow, const ExchangeFlow::Done &done) {
        return resumeAt ? flow.resume(CutWrite{job, resumeAt->from}, done) : flow.write(job, FlowQuestions{}, done);
    });
    session.note({EventKind::Write, {}, file.header.typeCode, variant, job.sent, invocation.file}, written);
    std::optional<CommandResult> stop = stopOf(written);
    keepPoint(written, wanted, stop ? &*stop : nullptr);
    return stop ? *stop : writeResult(written, file, invocation.file);
}
