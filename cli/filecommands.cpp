// The commands on settings files alone: no port is opened.
#include "commands.h"

#include "clitexts.h"
#include "commandsupport.h"
#include "reporttext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>

namespace {

constexpr int kPdfWaitMs = 60000;
const QString kPdfHelper = QStringLiteral("vexctl-pdf");

QJsonArray fieldArray(const QList<SettingField> &fields)
{
    QJsonArray array;
    for (const SettingField &f : fields)
        array.append(QJsonObject{{QStringLiteral("group"), f.group}, {QStringLiteral("name"), f.name},
                                 {QStringLiteral("value"), f.value}});
    return array;
}

std::optional<CommandResult> writeRtf(const QString &path, const SettingsReport &report)
{
    QSaveFile file(path);
    const QByteArray rtf = reportRtf(report);
    if (file.open(QIODevice::WriteOnly) && file.write(rtf) == rtf.size() && file.commit())
        return std::nullopt;
    return badInput(QStringLiteral("%1: cannot write the file (%2)").arg(QDir::toNativeSeparators(path), file.errorString()));
}

// The PDF needs Qt's text layout, which vexctl leaves to its helper so that it runs without
// any display library.
std::optional<CommandResult> writePdf(const QString &settingsPath, const QString &path)
{
    const QString helper = QDir(QCoreApplication::applicationDirPath()).filePath(kPdfHelper);
    if (!QFileInfo(helper).isExecutable())
        return badInput(QStringLiteral("%1 is missing: it renders PDF reports").arg(QDir::toNativeSeparators(helper)));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(helper, {settingsPath, path});
    if (process.waitForFinished(kPdfWaitMs) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return std::nullopt;
    // Its own message is its last line; Qt may warn before it.
    const QString reason = QString::fromLocal8Bit(process.readAllStandardError()).trimmed().section(u'\n', -1);
    return badInput(reason.isEmpty() ? QStringLiteral("%1: the PDF was not written (%2 failed)")
                                           .arg(QDir::toNativeSeparators(path), kPdfHelper)
                                     : reason);
}

} // namespace

CommandResult showCommand(const Invocation &invocation)
{
    const SettingsFileOrStop loaded = loadSettingsFile(invocation.file);
    if (const auto *stop = std::get_if<CommandResult>(&loaded))
        return *stop;
    const settingsfile::Contents &file = std::get<settingsfile::Contents>(loaded);
    const DeviceDefinition &d = modelInfo(file.model);
    const SettingsImages images = imagesOf(file);
    CommandResult result;
    describeDevice(result, file.header.typeCode, file.header.variant);
    if (invocation.changed) {
        // What the report prints of the settings that differ from the factory's.
        const SettingsReport changed = changedSettingsReportOf(file);
        result.details.insert(QStringLiteral("changed"), reportJson(changed));
        result.lines = reportText(changed);
        return result;
    }
    result.details.insert(QStringLiteral("fields"), fieldArray(d.settingFields(images, d.imagesVariant(images, file.header.variant))));
    result.lines = reportText(settingsReportOf(file));
    return result;
}

CommandResult reportCommand(const Invocation &invocation)
{
    const QString suffix = QFileInfo(invocation.output).suffix().toLower();
    if (suffix != QLatin1String("rtf") && suffix != QLatin1String("pdf"))
        return badInput(QStringLiteral("-o %1: the report is written as .rtf or .pdf").arg(invocation.output));
    const SettingsFileOrStop loaded = loadSettingsFile(invocation.file);
    if (const auto *stop = std::get_if<CommandResult>(&loaded))
        return *stop;
    const std::optional<CommandResult> failed =
        suffix == QLatin1String("rtf")
            ? writeRtf(invocation.output, settingsReportOf(std::get<settingsfile::Contents>(loaded)))
            : writePdf(invocation.file, invocation.output);
    if (failed)
        return *failed;
    CommandResult result;
    result.details.insert(QStringLiteral("file"), invocation.output);
    result.lines << QStringLiteral("wrote the report %1").arg(QDir::toNativeSeparators(invocation.output));
    return result;
}
