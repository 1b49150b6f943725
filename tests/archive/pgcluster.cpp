#include "pgcluster.h"

#include "connection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <algorithm>
#include <pwd.h>
#include <unistd.h>

namespace {

// Only names the socket file in the cluster's folder: nothing listens on TCP.
constexpr int kPort = 5432;
constexpr int kToolTimeoutMs = 180000;
const char kServerUser[] = "nobody";
const QString kSuperuser = QStringLiteral("postgres");

// Debian keeps each major version's server programs in /usr/lib/postgresql/<version>/bin;
// other systems put them on PATH. The newest version wins.
QString serverProgramsFolder()
{
    const QDir debian(QStringLiteral("/usr/lib/postgresql"));
    QStringList versions = debian.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(), [](const QString &a, const QString &b) { return a.toDouble() > b.toDouble(); });
    QStringList folders;
    for (const QString &version : versions)
        folders.append(debian.filePath(version + QStringLiteral("/bin")));
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("initdb"));
    if (!onPath.isEmpty())
        folders.append(QFileInfo(onPath).absolutePath());
    for (const QString &folder : folders) {
        const QDir dir(folder);
        if (QFileInfo(dir.filePath(QStringLiteral("initdb"))).isExecutable() && QFileInfo(dir.filePath(QStringLiteral("pg_ctl"))).isExecutable())
            return folder;
    }
    return QString();
}

bool isRoot()
{
    return geteuid() == 0;
}

} // namespace

PgCluster::PgCluster() : m_bin(serverProgramsFolder())
{
    if (m_bin.isEmpty())
        m_missing = QStringLiteral("PostgreSQL server programs (initdb, pg_ctl) not found in /usr/lib/postgresql/*/bin "
                                   "or on PATH: install the postgresql package");
    else if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        m_missing = QStringLiteral("Qt's PostgreSQL driver QPSQL is missing: install libqt6sql6-psql");
}

PgCluster::~PgCluster()
{
    // Whatever the tests left it in: a server still running would outlive its folder.
    if (m_made)
        stop();
}

bool PgCluster::start()
{
    if (m_running)
        return true;
    if (!m_missing.isEmpty())
        return false;
    const QString data = m_dir.filePath(QStringLiteral("data"));
    if (!m_made) {
        m_made = handFolderToServerUser()
            && run(QStringLiteral("initdb"), {QStringLiteral("-D"), data, QStringLiteral("-A"), QStringLiteral("trust"),
                                              QStringLiteral("-U"), kSuperuser, QStringLiteral("-E"), QStringLiteral("UTF8"),
                                              QStringLiteral("--locale=C"), QStringLiteral("--no-sync")});
        if (!m_made)
            return false;
    }
    // fsync off: these databases live only as long as the test.
    const QString options = QStringLiteral("-k '%1' -p %2 -c listen_addresses='' -c fsync=off").arg(m_dir.path()).arg(kPort);
    m_running = run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), data, QStringLiteral("-l"), m_dir.filePath(QStringLiteral("server.log")),
                                              QStringLiteral("-o"), options, QStringLiteral("-w"), QStringLiteral("-t"),
                                              QString::number(kToolTimeoutMs / 1000), QStringLiteral("start")});
    return m_running;
}

bool PgCluster::stop()
{
    const bool stopped = run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-m"),
                                                        QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("-t"),
                                                        QString::number(kToolTimeoutMs / 1000), QStringLiteral("stop")});
    m_running = m_running && !stopped;
    return stopped;
}

ServerLocation PgCluster::createDatabase()
{
    const QString name = QStringLiteral("archive_%1").arg(++m_databases);
    ArchiveConnection admin(ArchiveLocation::Engine::Postgres);
    ArchiveError error = admin.openServer(location(kSuperuser));
    if (!error.isError())
        error = admin.run(QStringLiteral("CREATE DATABASE ") + name);
    if (error.isError())
        m_failure = error.message;
    return location(name);
}

ServerLocation PgCluster::location(const QString &database) const
{
    return {m_dir.path(), kPort, database, kSuperuser, QString()};
}

bool PgCluster::handFolderToServerUser()
{
    if (!m_dir.isValid()) {
        m_failure = m_dir.errorString();
        return false;
    }
    if (!isRoot())
        return true;
    const passwd *user = getpwnam(kServerUser);
    if (user && chown(QFile::encodeName(m_dir.path()).constData(), user->pw_uid, user->pw_gid) == 0)
        return true;
    m_failure = QStringLiteral("cannot give %1 to user %2").arg(m_dir.path(), QLatin1String(kServerUser));
    return false;
}

bool PgCluster::run(const QString &tool, const QStringList &arguments)
{
    QStringList command = QStringList{QDir(m_bin).filePath(tool)} + arguments;
    if (isRoot())
        command = QStringList{QStringLiteral("runuser"), QStringLiteral("-u"), QLatin1String(kServerUser), QStringLiteral("--")} + command;
    QProcess process;
    process.setWorkingDirectory(m_dir.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.takeFirst(), command);
    const bool done = process.waitForFinished(kToolTimeoutMs) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    m_failure = done ? QString()
                     : QStringLiteral("%1 failed (%2): %3").arg(tool, process.errorString(), QString::fromLocal8Bit(process.readAll()));
    return done;
}
