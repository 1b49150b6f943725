#pragma once

#include "invocation.h"
#include "sitearchive.h"

#include <memory>

// The archive a vexctl run uses: --archive, else vexloader's archive settings. A server's
// password comes from PGPASSWORD, else from the system's keyring.
struct OpenedArchive {
    std::unique_ptr<SiteArchive> archive; // none: switched off, or it could not be opened
    QString address;                      // as --archive names it
    QString problem{};                    // why it could not be opened, one line
};

// For recording: nothing is opened (and nothing is wrong) when --no-archive is given or the
// user switched recording off and --archive names no archive.
OpenedArchive openArchive(const Invocation &invocation, bool recording);

// "archive ADDRESS: WHAT": the archive's reason in one line, with a hint when a server was
// tried without a password.
QString archiveProblem(const OpenedArchive &opened, const ArchiveError &error);
