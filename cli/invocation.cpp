#include "invocation.h"

#include "archiveaddress.h"
#include "buildinfo.h"

#include <QCommandLineParser>
#include <algorithm>
#include <array>

namespace {

constexpr qint32 kMaxBaud = 4000000;
constexpr int kSlotCount = 4;

// The options a command takes besides the global ones.
enum Option { Output = 1, NoCheck = 2, Resume = 4, ToConfigurator = 8, All = 16, NoArchive = 32, ArchiveAt = 64, Site = 128, Changed = 256 };
// The exchange commands record their event; after a read or a write the device is matched.
constexpr int kRecords = NoArchive | ArchiveAt;
constexpr int kMatches = kRecords | Site;
const QString kArchive = QStringLiteral("archive");

struct CommandEntry {
    const char *name;
    Command command;
    const char *arguments; // "N FILE.vau"; "[TEXT]": may be left out
    int options;
    bool needsOutput;
    const char *summary;
    const char *details;
};

const CommandEntry kCommands[] = {
    {"identify", Command::Identify, "", 0, false, "Identify the connected device.",
     "Prints the model, its type code and firmware variant."},
    {"read", Command::Read, "", Output | kMatches, true, "Read the device into a settings file.",
     "Identifies the device, reads all its settings and writes them to the file given with -o."},
    {"write", Command::Write, "FILE.vau", NoCheck | Resume | All | kMatches, false, "Write a settings file into the device.",
     "Refuses (exit 4) a device that is not the file's model or whose firmware variant cannot take\n"
     "the file's settings. Reads the device first and sends only the settings it does not hold\n"
     "yet (--all sends everything, for a device whose contents are in doubt). Reads back what\n"
     "was written unless --no-check; exit 1 lists what differs. Ctrl+C stops after the request in flight (exit 5); a write the device took part of\n"
     "is remembered (vexctl/resume.json in the user's data folder), and --resume goes on from\n"
     "where it stopped, for the same file bytes and port."},
    {"check", Command::Check, "FILE.vau", kRecords, false, "Compare the device with a file, quietly.",
     "For scripts: prints nothing when the device holds the file's settings (exit 0), the\n"
     "differing fields otherwise (exit 1)."},
    {"compare", Command::Compare, "FILE.vau", kRecords, false, "Compare the device with a file.",
     "Prints every differing field (group, name, file value, device value) or \"no differences\"."},
    {"show", Command::Show, "FILE.vau", Changed, false, "Print the settings of a file.",
     "Prints the settings report as text; with --json, the settings as fields. --changed prints\n"
     "only the settings that differ from the model's factory settings."},
    {"report", Command::Report, "FILE.vau", Output, true, "Write the settings report as .rtf or .pdf.",
     "RTF is written by vexctl itself. PDF is rendered by the helper program vexctl-pdf, which\n"
     "must sit beside vexctl; it runs without a display (Qt's offscreen platform)."},
    {"slots", Command::Slots, "", 0, false, "List what the configurator's four slots hold.", ""},
    {"slot-read", Command::SlotRead, "N", Output | kRecords, true, "Read configurator slot N (1-4) into a file.",
     ""},
    {"slot-write", Command::SlotWrite, "N FILE.vau", NoCheck | kRecords, false, "Write a settings file into configurator slot N.",
     "Reads the slot back unless --no-check. Models the configurator does not carry are refused."},
    {"clear", Command::Clear, "", 0, false, "Clear the configurator.",
     "Asks first on a terminal; elsewhere --yes is needed."},
    {"regular", Command::Regular, "", 0, false, "Switch the device to regular mode.", ""},
    {"flash", Command::Flash, "FILE.hex", ToConfigurator | kRecords, false, "Write firmware from an Intel HEX file.",
     "Into the device (9600 or 38400 baud), or with --configurator into the configurator (38400\n"
     "baud only). Firmware for another device than the one found needs --yes (or a yes on a\n"
     "terminal)."},
    {"archive sites", Command::ArchiveSites, "[TEXT]", ArchiveAt, false, "List the archive's sites (TEXT: in the name or address).",
     "Sites in service, sorted by name, with their number, name and address."},
    {"archive devices", Command::ArchiveDevices, "[SITE]", ArchiveAt, false, "List the devices of a site (number or name), or all.",
     "Each device with its number, site, model, variant, object number and place."},
    {"archive history", Command::ArchiveHistory, "DEVICE", ArchiveAt, false, "List the events of a device, newest first.",
     "DEVICE is the number archive devices gives. Each event with its number, time (UTC), kind,\n"
     "outcome, operator, machine and port, and the CRC-32 of the images it holds."},
    {"archive export", Command::ArchiveExport, "EVENT", Output | ArchiveAt, true, "Write an event's configuration as a settings file.",
     "EVENT is the number archive history gives. The file holds what the device held then: a read's\n"
     "images as read, a checked write's as read back."},
};

const CommandEntry *findCommand(const QString &name)
{
    for (const CommandEntry &entry : kCommands) {
        if (name == QLatin1String(entry.name))
            return &entry;
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
    QCommandLineOption noArchive{QStringLiteral("no-archive"), QStringLiteral("Record nothing in the archive.")};
    QCommandLineOption archiveAt{QStringLiteral("archive"),
                                 QStringLiteral("The archive: sqlite:PATH or postgresql://USER@HOST:PORT/DB."),
                                 QStringLiteral("WHERE")};
    QCommandLineOption site{QStringLiteral("site"), QStringLiteral("A device the archive does not know goes to this site."),
                            QStringLiteral("NAME")};
    QCommandLineOption changed{QStringLiteral("changed"),
                               QStringLiteral("Only the settings that differ from the factory settings.")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show help.")};
    QCommandLineOption version{QStringLiteral("version"), QStringLiteral("Show the version and build date.")};

    QList<QCommandLineOption> all() const
    {
        return {port, baud, json, yes, output, noCheck, resume, writeAll, toConfigurator, noArchive, archiveAt, site, changed, help, version};
    }
};

// The options that only some commands take, with their flags.
std::array<std::pair<int, const QCommandLineOption *>, 9> ownOptions(const Options &o)
{
    return {{{Output, &o.output}, {NoCheck, &o.noCheck}, {Resume, &o.resume}, {All, &o.writeAll},
             {ToConfigurator, &o.toConfigurator}, {NoArchive, &o.noArchive}, {ArchiveAt, &o.archiveAt}, {Site, &o.site},
             {Changed, &o.changed}}};
}

const char kGeneralHelp[] =
    "Usage: vexctl [--port P] [--baud N] [--json] [--yes] COMMAND [ARGS]\n"
    "Reads, writes and checks device settings over a serial port, without a window.\n"
    "\n"
    "Commands:\n"
    "%1\n"
    "Options:\n"
    "  --port P          serial port (default: the one stored by vexloader's port settings dialog)\n"
    "  --baud N          baud rate (default: the stored one)\n"
    "  --json            print exactly one JSON object with the result on standard output\n"
    "  --yes             answer yes to every question (needed when standard input is no terminal)\n"
    "  --archive WHERE   the archive for this run: sqlite:PATH or postgresql://USER@HOST:PORT/DB\n"
    "  --no-archive      record nothing in the archive for this run\n"
    "  --site NAME       read, write: a device the archive does not know goes to this site\n"
    "  -h, --help        show this help; vexctl COMMAND --help shows a command's\n"
    "  --version         show the version and build date\n"
    "\n"
    "Progress is drawn on standard error when it is a terminal. Ctrl+C stops an exchange after\n"
    "the request in flight. Every exchange command records what it did in the site archive that\n"
    "vexloader keeps (see vexctl archive --help).\n"
    "\n"
    "Exit codes:\n"
    "  0  done\n"
    "  1  the check after a write, check or compare found differences\n"
    "  2  bad usage, or a bad or missing file (named in the message)\n"
    "  3  the port could not be opened\n"
    "  4  not done: the exchange failed, the device was refused, or a question was answered no\n"
    "  5  cancelled with Ctrl+C\n";

const char kArchiveHelp[] =
    "Usage: vexctl [--json] [--archive WHERE] archive COMMAND [ARGS]\n"
    "Looks up the site archive: the sites, the devices installed there and every exchange with them.\n"
    "\n"
    "Commands:\n"
    "%1\n"
    "Recording:\n"
    "  read, write, check, compare, slot-read, slot-write and flash record their event (kind,\n"
    "  outcome, time, port, operator, machine, the images and the differences) unless the archive\n"
    "  is switched off in vexloader's options or --no-archive is given. After a read or a write\n"
    "  the event goes to the one known device of that model and object number; when the archive\n"
    "  knows none or several, --site NAME adds the device to that site (made when missing), and\n"
    "  without it the event is recorded without a device and a note says so. A failure to record\n"
    "  is one line on standard error and never changes the exit code.\n"
    "\n"
    "The archive:\n"
    "  vexloader's archive settings (~/.config/VexLoad/Archive.conf) choose it: by default the file\n"
    "  ~/.local/share/vexloader/archive.sqlite. --archive WHERE chooses one for this run:\n"
    "    --archive sqlite:PATH\n"
    "    --archive postgresql://USER@HOST:PORT/DATABASE\n"
    "  A server's password comes from PGPASSWORD, else from the system's keyring, never from the\n"
    "  command line. Events for a server that cannot be reached wait in a local outbox.\n"
    "\n"
    "With --json each command prints one object whose list holds one object per site, device or\n"
    "event.\n";

// "slot-read N -o FILE"
QString usageOf(const CommandEntry &entry)
{
    QStringList parts{QLatin1String(entry.name)};
    if (*entry.arguments)
        parts << QLatin1String(entry.arguments);
    if (entry.needsOutput)
        parts << QStringLiteral("-o FILE");
    return parts.join(u' ');
}

// The commands whose name starts with `prefix`, one line each.
QString commandList(const QString &prefix)
{
    QString list;
    for (const CommandEntry &entry : kCommands) {
        if (QLatin1String(entry.name).startsWith(prefix))
            list += QStringLiteral("  %1%2\n").arg(usageOf(entry).leftJustified(30), QLatin1String(entry.summary));
    }
    return list;
}

QString generalHelp()
{
    return QString::fromLatin1(kGeneralHelp).arg(commandList(QString()));
}

QString archiveHelp()
{
    return QString::fromUtf8(kArchiveHelp).arg(commandList(kArchive + u' '));
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

QString commandHelp(const CommandEntry &entry, const Options &options)
{
    QString text = QStringLiteral("Usage: vexctl [--port P] [--baud N] [--json] [--yes] %1\n%2\n")
                       .arg(usageOf(entry), QLatin1String(entry.summary));
    if (*entry.details)
        text += QLatin1String(entry.details) + u'\n';
    for (const auto &[flag, option] : ownOptions(options)) {
        if (entry.options & flag)
            text += QStringLiteral("  %1%2\n").arg(optionUsage(*option).leftJustified(20), option->description());
    }
    return text;
}

// Each option the command does not take is named.
QString foreignOption(const QCommandLineParser &parser, const CommandEntry &entry, const Options &options)
{
    for (const auto &[flag, option] : ownOptions(options)) {
        if (!(entry.options & flag) && parser.isSet(*option))
            return QStringLiteral("%1 does not take --%2").arg(QLatin1String(entry.name), option->names().constLast());
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

// DEVICE and EVENT are the numbers the archive's lists give.
QString takeRecordId(const CommandEntry &entry, const QString &wanted, const QString &given, Invocation &invocation)
{
    bool number = false;
    invocation.recordId = given.toLongLong(&number);
    if (number && invocation.recordId > 0)
        return {};
    const bool device = wanted == QLatin1String("DEVICE");
    return QStringLiteral("%1: \"%2\" is no %3 number (see vexctl archive %4)")
        .arg(QLatin1String(entry.name), given, device ? QStringLiteral("device") : QStringLiteral("event"),
             device ? QStringLiteral("devices") : QStringLiteral("history"));
}

// "[TEXT]" may be left out; the other arguments must be given.
QString takeArguments(const CommandEntry &entry, QStringList arguments, Invocation &invocation)
{
    const QStringList wanted = QString::fromLatin1(entry.arguments).split(u' ', Qt::SkipEmptyParts);
    const qsizetype required = std::count_if(wanted.begin(), wanted.end(), [](const QString &w) { return !w.startsWith(u'['); });
    if (arguments.size() < required || arguments.size() > wanted.size()) {
        const QString expected = wanted.isEmpty() ? QStringLiteral("no arguments") : wanted.join(u' ');
        return QStringLiteral("%1 takes %2 (got %3)").arg(QLatin1String(entry.name), expected,
                                                          arguments.isEmpty() ? QStringLiteral("none")
                                                                              : arguments.join(u' '));
    }
    const QString first = wanted.value(0);
    if (first == QLatin1String("N")) {
        bool number = false;
        invocation.slot = arguments.takeFirst().toInt(&number);
        if (!number || invocation.slot < 1 || invocation.slot > kSlotCount)
            return QStringLiteral("%1: the slot must be 1 to %2").arg(QLatin1String(entry.name)).arg(kSlotCount);
    }
    if (first == QLatin1String("DEVICE") || first == QLatin1String("EVENT"))
        return takeRecordId(entry, first, arguments.first(), invocation);
    (first.startsWith(u'[') ? invocation.filter : invocation.file) = arguments.value(0);
    return {};
}

QString checkArchiveOptions(const QCommandLineParser &parser, const Options &options, Invocation &invocation)
{
    invocation.noArchive = parser.isSet(options.noArchive);
    invocation.site = parser.value(options.site).simplified();
    if (parser.isSet(options.site) && invocation.site.isEmpty())
        return QStringLiteral("--site: the site name is empty");
    if (parser.isSet(options.archiveAt)) {
        const ArchiveAddress address = parseArchiveAddress(parser.value(options.archiveAt));
        if (const auto *why = std::get_if<QString>(&address))
            return *why;
        invocation.archiveAt = std::get<ArchiveLocation>(address);
    }
    if (invocation.noArchive && (invocation.archiveAt || !invocation.site.isEmpty()))
        return QStringLiteral("--no-archive records nothing: it does not go with --archive or --site");
    return {};
}

QString checkOwn(const QCommandLineParser &parser, const CommandEntry &entry, const Options &options,
                 Invocation &invocation)
{
    invocation.output = parser.value(options.output);
    if (entry.needsOutput && invocation.output.isEmpty())
        return QStringLiteral("%1 needs -o FILE").arg(QLatin1String(entry.name));
    invocation.noCheck = parser.isSet(options.noCheck);
    invocation.resume = parser.isSet(options.resume);
    invocation.all = parser.isSet(options.writeAll);
    invocation.changed = parser.isSet(options.changed);
    invocation.toConfigurator = parser.isSet(options.toConfigurator);
    const QString foreign = foreignOption(parser, entry, options);
    return foreign.isEmpty() ? checkArchiveOptions(parser, options, invocation) : foreign;
}

// The command the first words name: "archive" takes the word after it along.
QString commandWords(const QStringList &positional)
{
    if (positional.value(0) == kArchive && positional.size() > 1)
        return kArchive + u' ' + positional.at(1);
    return positional.value(0);
}

QString unknownCommand(const QStringList &positional)
{
    if (positional.isEmpty())
        return QStringLiteral("no command given (see vexctl --help)");
    if (positional.first() != kArchive)
        return QStringLiteral("unknown command \"%1\" (see vexctl --help)").arg(positional.first());
    if (positional.size() == 1)
        return QStringLiteral("archive needs one of sites, devices, history, export (see vexctl archive --help)");
    return QStringLiteral("unknown command \"archive %1\" (see vexctl archive --help)").arg(positional.at(1));
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
    const QString name = commandWords(positional);
    const CommandEntry *entry = findCommand(name);
    if (parser.isSet(options.version))
        return {std::nullopt, QStringLiteral("vexctl %1, built %2\n").arg(programVersion(), buildDate()), {}};
    if (parser.isSet(options.help) && !entry)
        return {std::nullopt, positional.value(0) == kArchive ? archiveHelp() : generalHelp(), {}};
    if (parser.isSet(options.help))
        return {std::nullopt, commandHelp(*entry, options), {}};
    if (!entry)
        return {std::nullopt, {}, unknownCommand(positional)};
    Invocation invocation{.command = entry->command, .commandName = name};
    positional.remove(0, name.count(u' ') + 1);
    QString error = checkGlobals(parser, options, invocation);
    if (error.isEmpty())
        error = takeArguments(*entry, positional, invocation);
    if (error.isEmpty())
        error = checkOwn(parser, *entry, options, invocation);
    if (!error.isEmpty())
        return {std::nullopt, {}, error};
    return {invocation, {}, {}};
}
