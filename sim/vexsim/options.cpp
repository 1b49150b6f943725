#include "options.h"

#include "buildinfo.h"
#include "registry.h"
#include "simtext.h"

#include <QCommandLineParser>

namespace {

constexpr int kMaxBaudRate = 4000000;

const char kDescription[] =
    "Stands in for a fire-alarm device (and the hand-held configurator) on a pseudo-terminal.\n"
    "Prints the terminal's path on the first line of standard output and serves requests until\n"
    "it gets SIGINT or SIGTERM. Point vexloader's port at that path.\n"
    "\n"
    "Models: %1, or any type code 0 to 255.\n"
    "\n"
    "Fault plan: rules separated by \";\", each \"action[,trigger][,count]\".\n"
    "  actions:  drop, corrupt (checksum), wrongcmd (command byte), split:PIECES[:GAPMS],\n"
    "            delay:MS, garbage[:BYTES] (noise before the start byte),\n"
    "            truncate[:BYTES] (last bytes not sent), silent (no reply from then on),\n"
    "            surplus:BYTES (payload bytes more than asked, in a good frame)\n"
    "  triggers: any (default), cmd=CODE, req=N (the N-th request, counting from 1)\n"
    "  counts:   once (default), times=N, always\n"
    "  example:  --faults \"drop,cmd=0x06,times=2; split:3:20,req=1\"\n"
    "\n"
    "Exit codes: 0 stopped by a signal, 1 the terminal or the save failed, 2 bad options.";

// "4p (type 23), 8p (22), ..., 64p or 16.64p (31), ...": every model's names and type code.
QString modelNames()
{
    QStringList names;
    for (const DeviceDefinition &d : models()) {
        const QString code = names.isEmpty() ? QStringLiteral("type %1").arg(d.typeCode) : QString::number(d.typeCode);
        names << QStringLiteral("%1 (%2)").arg(d.simulatorNames.join(QStringLiteral(" or ")), code);
    }
    return names.join(QStringLiteral(", "));
}

std::optional<quint8> parseModel(const QString &text)
{
    for (const DeviceDefinition &d : models()) {
        if (d.simulatorNames.contains(text, Qt::CaseInsensitive))
            return d.typeCode;
    }
    if (const std::optional<int> code = parseUserNumber(text, 0, 0xFF))
        return quint8(*code);
    return std::nullopt;
}

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption model{{"m", "model"},
                             "Device model: a name or a type code (default 16p).", "model"};
    QCommandLineOption variant{"variant",
                               "Firmware variant 0 to 255 the device reports (default: the loaded "
                               "file's, else the first the program accepts for the model, else 0).",
                               "n"};
    QCommandLineOption noConfigurator{"no-configurator",
                                      "Do not answer the configurator addressee (0x07)."};
    QCommandLineOption baud{{"b", "baud"},
                            "Pace the line as at this baud rate: every byte costs 10 bit times "
                            "each way. Default: no pacing.",
                            "rate"};
    QCommandLineOption load{{"l", "load"},
                            "Settings file (.vau/.vaf) to load into the device at start "
                            "(every model).",
                            "file"};
    QCommandLineOption save{{"s", "save"},
                            "Settings file to save the device into on exit (every model).",
                            "file"};
    QCommandLineOption faults{{"f", "faults"}, "Fault plan (see above).", "plan"};
    QCommandLineOption latency{"latency",
                               "Hold reply bytes as a USB-to-serial adapter does: until MS ms after the first "
                               "byte held, or until its 62-byte buffer is full (16: an adapter as it comes, "
                               "1: one in low-latency mode).", "MS"};
    QCommandLineOption flipWrite{"flip-write",
                                 "Store write request N (counting writes from 1) with bit 0 of its first byte flipped, "
                                 "as a device whose memory fails would.", "N"};
    QCommandLineOption verbose{{"v", "verbose"},
                               "Print every frame received and sent on standard error."};
    QCommandLineOption help{{"h", "help"}, "Show this help."};
    QCommandLineOption version{"version", "Show the version and build date."};

    Parser()
    {
        parser.setApplicationDescription(QString::fromLatin1(kDescription).arg(modelNames()));
        parser.addOptions({model, variant, noConfigurator, baud, load, save, faults, latency, flipWrite, verbose, help, version});
    }
};

QString valueError(const QString &option, const QString &value, const QString &expected)
{
    return QStringLiteral("bad value \"%1\" for --%2: expected %3").arg(value, option, expected);
}

// Fills `options` from the parsed values; returns an error text or an empty string.
QString takeValues(const Parser &p, VexsimOptions &options)
{
    if (p.parser.isSet(p.model)) {
        options.typeCode = parseModel(p.parser.value(p.model));
        if (!options.typeCode)
            return valueError("model", p.parser.value(p.model), "a model name or a type code 0 to 255");
    }
    if (p.parser.isSet(p.variant)) {
        const std::optional<int> variant = parseUserNumber(p.parser.value(p.variant), 0, 0xFF);
        if (!variant)
            return valueError("variant", p.parser.value(p.variant), "a number 0 to 255");
        options.variant = quint8(*variant);
    }
    if (p.parser.isSet(p.baud)) {
        const std::optional<int> baud = parseUserNumber(p.parser.value(p.baud), 1, kMaxBaudRate);
        if (!baud)
            return valueError("baud", p.parser.value(p.baud),
                              QStringLiteral("a rate 1 to %1").arg(kMaxBaudRate));
        options.baudRate = *baud;
    }
    if (p.parser.isSet(p.faults)) {
        const FaultPlan::Parsed plan = FaultPlan::parse(p.parser.value(p.faults));
        if (!plan.plan)
            return QStringLiteral("bad fault plan: %1").arg(plan.error);
        options.faults = *plan.plan;
    }
    if (p.parser.isSet(p.latency)) {
        const std::optional<int> ms = parseUserNumber(p.parser.value(p.latency), 0, 255);
        if (!ms)
            return valueError("latency", p.parser.value(p.latency), "milliseconds 0 to 255");
        options.adapterLatencyMs = *ms;
    }
    if (p.parser.isSet(p.flipWrite)) {
        const std::optional<int> n = parseUserNumber(p.parser.value(p.flipWrite), 1, 1000000);
        if (!n)
            return valueError("flip-write", p.parser.value(p.flipWrite), "a number 1 to 1000000");
        options.flippedWrite = *n;
    }
    options.configurator = !p.parser.isSet(p.noConfigurator);
    options.loadFile = p.parser.value(p.load);
    options.saveFile = p.parser.value(p.save);
    options.verbose = p.parser.isSet(p.verbose);
    return QString();
}

} // namespace

ParsedOptions parseOptions(const QStringList &arguments)
{
    Parser p;
    if (!p.parser.parse(arguments))
        return {std::nullopt, p.parser.errorText(), QString()};
    if (p.parser.isSet(p.help))
        return {std::nullopt, QString(), p.parser.helpText()};
    if (p.parser.isSet(p.version))
        return {std::nullopt, QString(), QStringLiteral("vexsim %1, built %2\n").arg(programVersion(), buildDate())};
    if (!p.parser.positionalArguments().isEmpty())
        return {std::nullopt,
                QStringLiteral("unexpected argument \"%1\"").arg(p.parser.positionalArguments().first()),
                QString()};
    VexsimOptions options;
    if (const QString error = takeValues(p, options); !error.isEmpty())
        return {std::nullopt, error, QString()};
    return {options, QString(), QString()};
}
