#include "vexctl.h"

#include "archiverecording.h"
#include "commands.h"
#include "dialogs.h"
#include "log.h"
#include "session.h"

#include <QDir>
#include <QStandardPaths>
#include <cstdio>

namespace {

// The link and the log report through the dialogs interface; here nothing can be asked.
class StderrDialogs : public Dialogs
{
public:
    void showMessage(Kind, const QString &text, const QString &detail) override
    {
        std::fprintf(stderr, "vexctl: %s %s\n", text.toLocal8Bit().constData(), detail.toLocal8Bit().constData());
    }
    bool askYesNo(const QString &) override { return false; }
    bool askOkCancel(const QString &) override { return false; }
    Choice askSaveDiscardCancel(const QString &) override { return Choice::Cancel; }
    QString openFileName(const FileRequest &) override { return {}; }
    QString saveFileName(const FileRequest &) override { return {}; }
    QString existingDirectory(const QString &, const QString &) override { return {}; }
    int execDialog(QObject *) override { return 0; }
};

using DeviceCommand = CommandResult (*)(Session &, const Invocation &);

DeviceCommand deviceCommand(Command command)
{
    switch (command) {
    case Command::Identify: return identifyCommand;
    case Command::Read: return readCommand;
    case Command::Write: return writeCommand;
    case Command::Check:
    case Command::Compare: return compareCommand;
    case Command::Slots: return slotsCommand;
    case Command::SlotRead: return slotReadCommand;
    case Command::SlotWrite: return slotWriteCommand;
    case Command::Clear: return clearCommand;
    case Command::Flash: return flashCommand;
    default: return regularCommand;
    }
}

// The exchange log goes to the user's data folder, never into the folder vexctl runs in.
void keepLogInDataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    setLogBaseFolder(folder);
}

bool isArchiveCommand(Command command)
{
    return command == Command::ArchiveSites || command == Command::ArchiveDevices || command == Command::ArchiveHistory
           || command == Command::ArchiveExport;
}

CommandResult runCommand(const Invocation &invocation, QString &port)
{
    if (invocation.command == Command::Show)
        return showCommand(invocation);
    if (invocation.command == Command::Report)
        return reportCommand(invocation);
    if (isArchiveCommand(invocation.command))
        return archiveCommand(invocation);
    const PortSettings settings = portSettingsFor(invocation.port, invocation.baud);
    if (settings.port.isEmpty())
        return badInput(QStringLiteral("no port: give --port, or store one in vexloader's port settings"));
    port = settings.port;
    keepLogInDataFolder();
    Session session(settings, invocation.yes);
    CommandResult result = deviceCommand(invocation.command)(session, invocation);
    if (session.noted())
        recordNoted(invocation, *session.noted(), result);
    return result;
}

} // namespace

int runVexctl(const QStringList &arguments)
{
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (!parsed.text.isEmpty()) {
        std::fputs(parsed.text.toLocal8Bit().constData(), stdout);
        return exitcode::kDone;
    }
    if (!parsed.invocation) {
        printResult(badInput(parsed.error), QString(), QString(), arguments.contains(QStringLiteral("--json")));
        return exitcode::kBadInput;
    }
    StderrDialogs dialogs;
    Dialogs *previous = setDialogs(&dialogs);
    QString port;
    const CommandResult result = runCommand(*parsed.invocation, port);
    setDialogs(previous);
    printResult(result, parsed.invocation->commandName, port, parsed.invocation->json);
    return result.exitCode;
}
