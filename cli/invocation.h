#pragma once

#include "archivelocation.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks vexctl to do, checked: a known command with the arguments and
// options it takes.
enum class Command {
    Identify, Read, Write, Check, Compare, Show, Report, Slots, SlotRead, SlotWrite, Clear, Regular, Flash,
    ArchiveSites, ArchiveDevices, ArchiveHistory, ArchiveExport,
};

struct Invocation {
    Command command = Command::Identify;
    QString commandName;
    std::optional<QString> port{};
    std::optional<qint32> baud{};
    bool json = false;
    bool yes = false;
    QString file{};   // the settings, HEX or report source file the command names
    QString output{}; // -o
    int slot = 0;   // 1..4
    bool noCheck = false;
    bool resume = false;
    bool all = false; // write every setting
    bool changed = false; // show only the settings that differ from the factory's
    bool toConfigurator = false;
    bool noArchive = false;
    std::optional<ArchiveLocation> archiveAt{}; // --archive: this run's archive (no password yet)
    QString site{};       // --site: where a device the archive does not know goes
    QString filter{};     // archive sites TEXT, archive devices SITE
    qint64 recordId = 0;  // archive history DEVICE, archive export EVENT
};

// Help and version are answers too: printed on standard output, exit 0.
struct ParsedCommandLine {
    std::optional<Invocation> invocation;
    QString text;  // help or version
    QString error; // one line naming the bad argument: exit 2
};

// `arguments` without the program name.
ParsedCommandLine parseCommandLine(const QStringList &arguments);
