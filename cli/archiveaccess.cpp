#include "archiveaccess.h"

#include "archiveaddress.h"
#include "archivekeyring.h"
#include "archivesettings.h"
#include "clitexts.h"

namespace {

// libpq's own variable: scripts that reach the server with psql already set it.
const char kPasswordVariable[] = "PGPASSWORD";

QString serverPassword(const ServerLocation &server)
{
    if (qEnvironmentVariableIsSet(kPasswordVariable))
        return qEnvironmentVariable(kPasswordVariable);
    // Not stored, or no keyring here: the server may well take the user without one.
    return ArchiveKeyring().readPassword(server).password;
}

} // namespace

OpenedArchive openArchive(const Invocation &invocation, bool recording)
{
    const ArchiveSettings settings = ArchiveSettings::load();
    ArchiveLocation location = invocation.archiveAt.value_or(settings.location());
    OpenedArchive opened{nullptr, archiveAddressText(location)};
    if (recording && (invocation.noArchive || (!settings.enabled && !invocation.archiveAt)))
        return opened;
    if (location.engine == ArchiveLocation::Engine::Postgres)
        location.server.password = serverPassword(location.server);
    ArchiveResult<std::unique_ptr<SiteArchive>> result = SiteArchive::open(location, settings.author());
    opened.archive = std::move(result.value);
    if (!result.ok())
        opened.problem = archiveProblem(opened, result.error);
    return opened;
}

QString archiveProblem(const OpenedArchive &opened, const ArchiveError &error)
{
    QString line = QStringLiteral("archive %1: %2").arg(opened.address, archiveErrorText(error));
    if (error.code == ArchiveError::Code::ServerUnreachable && !qEnvironmentVariableIsSet(kPasswordVariable))
        line += QStringLiteral("; a password, if the server needs one, comes from PGPASSWORD or the keyring");
    return line;
}
