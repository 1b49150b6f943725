#include "invocation.h"

#include "buildinfo.h"

#include <QCommandLineParser>
#include <array>

namespace {

constexpr qint32 kMaxBaud = 4000000;
constexpr int kSlotCount = 4;

// The options a command takes besides the global ones.
enum Option { Output = 1, NoCheck = 2, Resume = 4, ToConfigurator = 8, All = 16 };

struct CommandSpec {
    const char *name;
    Command command;
    const char *arguments; // "N FILE.vau"
    int options;
    bool needsOutput;
    const char *summary;
    const char *details;
};

const CommandSpec kCommands[] = {
    {"identify", Command::Identify, "", 0, false, "Identify the connected device.",
     "Prints the model, its type code and firmware variant."},
    {"read", Command::Read, "", Output, true, "Read the device into a settings file.",
     "Identifies the device, reads all its settings and writes them to the file given with -o."},
    {"write", Command::Write, "FILE.vau", NoCheck | Resume | All, false, "Write a settings file into the device.",
     "Refuses (exit 4) a device that is not the file's model or whose firmware variant cannot take\n"
     "the file's settings. Reads the device first and sends only the settings it does not hold\n"
     "yet (--all sends everything, for a device whose contents are in doubt). Reads back what\n"
     "was written unless --no-check; exit 1 lists what differs. Ctrl+C stops after the request in flight (exit 5); a write the device took part of\n"
     "is remembered (vexctl/resume.json in the user's data folder), and --resume goes on from\n"
     "where it stopped, for the same file bytes and port."},
    {"check", Command::Check, "FILE.vau", 0, false, "Compare the device with a file, quietly.",
     "For scripts: prints nothing when the device holds the file's settings (exit 0), the\n"
     "differing fields otherwise (exit 1)."},
    {"compare", Command::Compare, "FILE.vau", 0, false, "Compare the device with a file.",
     "Prints every differing field (group, name, file value, device value) or \"no differences\"."},
    {"show", Command::Show, "FILE.vau", 0, false, "Print the settings of a file.",
     "Prints the settings report as text; with --json, the settings as fields."},
    {"report", Command::Report, "FILE.vau", Output, true, "Write the settings report as .rtf or .pdf.",
     "RTF is written by vexctl itself. PDF is rendered by the helper program vexctl-pdf, which\n"
     "must sit beside vexctl; it runs without a display (Qt's offscreen platform)."},
    {"slots", Command::Slots, "", 0, false, "List what the configurator's four slots hold.", ""},
    {"slot-read", Command::SlotRead, "N", Output, true, "Read configurator slot N (1-4) into a file.",
     ""},
    {"slot-write", Command::SlotWrite, "N FILE.vau", NoCheck, false, "Write a settings file into configurator slot N.",
     "Reads the slot back unless --no-check. Models the configurator does not carry are refused."},
    {"clear", Command::Clear, "", 0, false, "Clear the configurator.",
     "Asks first on a terminal; elsewhere --yes is needed."},
    {"regular", Command::Regular, "", 0, false, "Switch the device to regular mode.", ""},
    {"flash", Command::Flash, "FILE.hex", ToConfigurator, false, "Write firmware from an Intel HEX file.",
     "Into the device (9600 or 38400 baud), or with --configurator into the configurator (38400\n"
     "baud only). Firmware for another device than the one found needs --yes (or a yes on a\n"
     "terminal)."},
};

const CommandSpec *findCommand(const QString &name)
{
    for (const CommandSpec &spec : kCommands) {
        if (name == QLatin1String(spec.name))
            return &spec;
    }
    return nullptr;
}

struct Options {
    QCommandLineOption port{QStringLiteral("port"), QStringLiteral("Serial port (default: the stored one)."),
                            QStringLiteral("P")};
    QCommandLineOption baud{QStringLiteral("baud"), QStringLiteral("Baud rate (default: the stored one)."),
                            QStringLiteral("N")};
    QCommandLineOption json{QStringLiteral("json"), QStringLiteral("Print one JSON object as the result.")};
    QCommandLineOption yes{QStringLiteral("yes"), QStringLiteral("Answer yes to every question.")};
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("File to write."),
                              QStringLiteral("FILE")};
    QCommandLineOption noCheck{QStringLiteral("no-check"), QStringLiteral("Do not read back what was written.")};
    QCommandLineOption resume{QStringLiteral("resume"), QStringLiteral("Go on with the interrupted write.")};
    QCommandLineOption writeAll{QStringLiteral("all"), QStringLiteral("Write every setting, whatever the device holds.")};
    QCommandLineOption toConfigurator{QStringLiteral("configurator"),
                                      QStringLiteral("Write the firmware into the configurator.")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show help.")};
    QCommandLineOption version{QStringLiteral("version"), QStringLiteral("Show the version and build date.")};

    QList<QCommandLineOption> all() const
    {
        return {port, baud, json, yes, output, noCheck, resume, writeAll, toConfigurator, help, version};
    }
};

// The options that only some commands take, with their flags.
std::array<std::pair<int, const QCommandLineOption *>, 5> ownOptions(const Options &o)
{
    return {{{Output, &o.output}, {NoCheck, &o.noCheck}, {Resume, &o.resume}, {All, &o.writeAll},
             {ToConfigurator, &o.toConfigurator}}};
}

const char kGeneralHelp[] =
    "Usage: vexctl [--port P] [--baud N] [--json] [--yes] COMMAND [ARGS]\n"
    "Reads, writes and checks device settings over a serial port, without a window.\n"
    "\n"
    "Commands:\n"
    "%1\n"
    "Options:\n"
    "  --port P      serial port (default: the one stored by vexloader's port settings dialog)\n"
    "  --baud N      baud rate (default: the stored one)\n"
    "  --json        print exactly one JSON object with the result on standard output\n"
    "  --yes         answer yes to every question (needed when standard input is no terminal)\n"
    "  -h, --help    show this help; vexctl COMMAND --help shows a command's\n"
    "  --version     show the version and build date\n"
    "\n"
    "Progress is drawn on standard error when it is a terminal. Ctrl+C stops an exchange after\n"
    "the request in flight.\n"
    "\n"
    "Exit codes:\n"
    "  0  done\n"
    "  1  the check after a write, check or compare found differences\n"
    "  2  bad usage, or a bad or missing file (named in the message)\n"
    "  3  the port could not be opened\n"
    "  4  not done: the exchange failed, the device was refused, or a question was answered no\n"
    "  5  cancelled with Ctrl+C\n";

// "slot-read N -o FILE"
QString usageOf(const CommandSpec &spec)
{
    QStringList parts{QLatin1String(spec.name)};
    if (*spec.arguments)
        parts << QLatin1String(spec.arguments);
    if (spec.needsOutput)
        parts << QStringLiteral("-o FILE");
    return parts.join(u' ');
}

QString generalHelp()
{
    QString list;
    for (const CommandSpec &spec : kCommands)
        list += QStringLiteral("  %1%2\n").arg(usageOf(spec).leftJustified(28), QLatin1String(spec.summary));
    return QString::fromLatin1(kGeneralHelp).arg(list);
}

// "-o, --output FILE"
QString optionUsage(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    const QString value = option.valueName();
    return names.join(QStringLiteral(", ")) + (value.isEmpty() ? QString() : u' ' + value);
}

QString commandHelp(const CommandSpec &spec, const Options &options)
{
    QString text = QStringLiteral("Usage: vexctl [--port P] [--baud N] [--json] [--yes] %1\n%2\n")
                       .arg(usageOf(spec), QLatin1String(spec.summary));
    if (*spec.details)
        text += QLatin1String(spec.details) + u'\n';
    for (const auto &[flag, option] : ownOptions(options)) {
        if (spec.options & flag)
            text += QStringLiteral("  %1%2\n").arg(optionUsage(*option).leftJustified(20), option->description());
    }
    return text;
}

// Each option the command does not take is named.
QString foreignOption(const QCommandLineParser &parser, const CommandSpec &spec, const Options &options)
{
    for (const auto &[flag, option] : ownOptions(options)) {
        if (!(spec.options & flag) && parser.isSet(*option))
            return QStringLiteral("%1 does not take --%2").arg(QLatin1String(spec.name), option->names().constLast());
    }
    return {};
}

QString checkGlobals(const QCommandLineParser &parser, const Options &options, Invocation &invocation)
{
    if (parser.isSet(options.port)) {
        invocation.port = parser.value(options.port);
        if (invocation.port->isEmpty())
            return QStringLiteral("--port: the port name is empty");
    }
    if (parser.isSet(options.baud)) {
        bool number = false;
        const qint32 baud = parser.value(options.baud).toInt(&number);
        if (!number || baud <= 0 || baud > kMaxBaud)
            return QStringLiteral("--baud: \"%1\" is not a baud rate").arg(parser.value(options.baud));
        invocation.baud = baud;
    }
    invocation.json = parser.isSet(options.json);
    invocation.yes = parser.isSet(options.yes);
    return {};
}

QString takeArguments(const CommandSpec &spec, QStringList arguments, Invocation &invocation)
{
    const QStringList wanted = QString::fromLatin1(spec.arguments).split(u' ', Qt::SkipEmptyParts);
    if (arguments.size() != wanted.size()) {
        const QString expected = wanted.isEmpty() ? QStringLiteral("no arguments") : wanted.join(u' ');
        return QStringLiteral("%1 takes %2 (got %3)").arg(QLatin1String(spec.name), expected,
                                                          arguments.isEmpty() ? QStringLiteral("none")
                                                                              : arguments.join(u' '));
    }
    if (wanted.value(0) == QLatin1String("N")) {
        bool number = false;
        invocation.slot = arguments.takeFirst().toInt(&number);
        if (!number || invocation.slot < 1 || invocation.slot > kSlotCount)
            return QStringLiteral("%1: the slot must be 1 to %2").arg(QLatin1String(spec.name)).arg(kSlotCount);
    }
    invocation.file = arguments.value(0);
    return {};
}

QString checkOwn(const QCommandLineParser &parser, const CommandSpec &spec, const Options &options,
                 Invocation &invocation)
{
    invocation.output = parser.value(options.output);
    if (spec.needsOutput && invocation.output.isEmpty())
        return QStringLiteral("%1 needs -o FILE").arg(QLatin1String(spec.name));
    invocation.noCheck = parser.isSet(options.noCheck);
    invocation.resume = parser.isSet(options.resume);
    invocation.all = parser.isSet(options.writeAll);
    invocation.toConfigurator = parser.isSet(options.toConfigurator);
    return foreignOption(parser, spec, options);
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    Options options;
    QCommandLineParser parser;
    parser.addOptions(options.all());
    if (!parser.parse(QStringList{QStringLiteral("vexctl")} + arguments))
        return {std::nullopt, {}, parser.errorText()};
    QStringList positional = parser.positionalArguments();
    const CommandSpec *spec = positional.isEmpty() ? nullptr : findCommand(positional.first());
    if (parser.isSet(options.version))
        return {std::nullopt, QStringLiteral("vexctl %1, built %2\n").arg(programVersion(), buildDate()), {}};
    if (parser.isSet(options.help))
        return {std::nullopt, spec ? commandHelp(*spec, options) : generalHelp(), {}};
    if (positional.isEmpty())
        return {std::nullopt, {}, QStringLiteral("no command given (see vexctl --help)")};
    if (!spec)
        return {std::nullopt, {}, QStringLiteral("unknown command \"%1\" (see vexctl --help)").arg(positional.first())};
    Invocation invocation{.command = spec->command, .commandName = QLatin1String(spec->name)};
    positional.removeFirst();
    QString error = checkGlobals(parser, options, invocation);
    if (error.isEmpty())
        error = takeArguments(*spec, positional, invocation);
    if (error.isEmpty())
        error = checkOwn(parser, *spec, options, invocation);
    if (!error.isEmpty())
        return {std::nullopt, {}, error};
    return {invocation, {}, {}};
}
