// vexsim: a simulated device (and configurator) on a pseudo-terminal.
#include "log.h"
#include "options.h"
#include "ptyserver.h"
#include "settingsfile.h"
#include "simconfigurator.h"
#include "simendpoint.h"
#include "simline.h"
#include "stopsignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <memory>

namespace {

enum ExitCode { kExitStopped = 0, kExitFailed = 1, kExitBadOptions = 2 };

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

struct Setup {
    std::unique_ptr<SimDevice> device;
    QString error;
};

// The device the options ask for, holding the settings file to load if one is named.
Setup makeDevice(const VexsimOptions &options)
{
    QByteArray file;
    std::optional<SettingsFileHeader> header;
    if (!options.loadFile.isEmpty()) {
        QFile in(options.loadFile);
        if (!in.open(QIODevice::ReadOnly))
            return {nullptr, QStringLiteral("cannot read %1: %2").arg(options.loadFile, in.errorString())};
        file = in.readAll();
        header = settingsFileHeader(file);
        if (!header)
            return {nullptr, QStringLiteral("%1 is too short for a settings file").arg(options.loadFile)};
        if (options.typeCode && *options.typeCode != header->typeCode)
            return {nullptr, QStringLiteral("%1 holds device type %2, not the --model asked for")
                                 .arg(options.loadFile).arg(header->typeCode)};
    }
    const quint8 type = options.typeCode.value_or(header ? header->typeCode : kDefaultTypeCode);
    const quint8 variant = options.variant.value_or(header ? header->variant : defaultVariant(type));
    auto device = std::make_unique<SimDevice>(type, variant);
    const std::optional<SettingsFileLayout> layout = settingsFileLayout(type);
    if (!layout && (header || !options.saveFile.isEmpty()))
        return {nullptr, QStringLiteral("settings files of device type %1 are not supported yet").arg(type)};
    if (header && loadSettingsFile(*layout, file, *device) != SettingsFileError::None)
        return {nullptr, QStringLiteral("%1 is not %2 bytes long, the size of a type %3 settings file")
                             .arg(options.loadFile).arg(layout->fileSize()).arg(type)};
    return {std::move(device), QString()};
}

bool saveDevice(const SimDevice &device, const QString &fileName)
{
    QSaveFile out(fileName);
    const QByteArray bytes = saveSettingsFile(*settingsFileLayout(device.typeCode()), device);
    if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit())
        return true;
    err() << "vexsim: cannot save " << fileName << ": " << out.errorString() << Qt::endl;
    return false;
}

QString kindLabel(TraceEntry::Kind kind)
{
    switch (kind) {
    case TraceEntry::Kind::Request: return QStringLiteral("in      ");
    case TraceEntry::Kind::Noise: return QStringLiteral("noise   ");
    case TraceEntry::Kind::Reply: return QStringLiteral("out     ");
    case TraceEntry::Kind::NoReply: return QStringLiteral("no reply");
    }
    return QString();
}

void printTrace(const QElapsedTimer &clock, const TraceEntry &entry)
{
    err() << QString::number(clock.elapsed() / 1000.0, 'f', 3).rightJustified(10) << "  "
          << kindLabel(entry.kind) << "  " << hexFrame(entry.bytes);
    if (!entry.note.isEmpty())
        err() << " (" << entry.note << ")";
    err() << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexsim"));

    const ParsedOptions parsed = parseOptions(QCoreApplication::arguments());
    if (!parsed.helpText.isEmpty()) {
        QTextStream(stdout) << parsed.helpText;
        return kExitStopped;
    }
    if (!parsed.options) {
        err() << "vexsim: " << parsed.error << "\n(vexsim --help explains the options)" << Qt::endl;
        return kExitBadOptions;
    }
    const VexsimOptions &options = *parsed.options;
    Setup setup = makeDevice(options);
    if (!setup.device) {
        err() << "vexsim: " << setup.error << Qt::endl;
        return kExitBadOptions;
    }

    SimConfigurator configurator;
    SimEndpoint endpoint(*setup.device, options.configurator ? &configurator : nullptr);
    endpoint.setFaultPlan(options.faults);
    QElapsedTimer clock;
    clock.start();
    if (options.verbose)
        endpoint.setTraceObserver([&clock](const TraceEntry &e) { printTrace(clock, e); });
    SimLine line(endpoint, options.baudRate);
    PtyServer server(line);
    QString error;
    if (!server.open(error) || !quitOnStopSignals(error)) {
        err() << "vexsim: " << error << Qt::endl;
        return kExitFailed;
    }
    int exitCode = kExitStopped;
    QObject::connect(&server, &PtyServer::failed, &app, [&exitCode](const QString &reason) {
        err() << "vexsim: " << reason << Qt::endl;
        exitCode = kExitFailed;
        QCoreApplication::quit();
    });
    QTextStream(stdout) << server.path() << Qt::endl;
    err() << "vexsim: device type " << int(setup.device->typeCode()) << ", variant "
          << int(setup.device->variant()) << (options.configurator ? ", with configurator" : "")
          << " on " << server.path() << Qt::endl;
    app.exec();

    if (!options.saveFile.isEmpty() && !saveDevice(*setup.device, options.saveFile))
        return kExitFailed;
    return exitCode;
}
