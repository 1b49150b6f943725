#include "archivesettings.h"

#include <QSettings>

namespace {

using Engine = ArchiveLocation::Engine;

const QString kOrganisation = QStringLiteral("VexLoad");
const QString kApplication = QStringLiteral("Archive");
const QString kEnabled = QStringLiteral("Enabled");
const QString kOperator = QStringLiteral("Operator");
const QString kLocation = QStringLiteral("Location");
const QString kPath = QStringLiteral("Path");
const QString kHost = QStringLiteral("Host");
const QString kPort = QStringLiteral("Port");
const QString kDatabase = QStringLiteral("Database");
const QString kUser = QStringLiteral("User");
const QString kSqlite = QStringLiteral("sqlite");
const QString kPostgres = QStringLiteral("postgresql");

int serverPort(const QVariant &stored)
{
    bool number = false;
    const int port = stored.toInt(&number);
    return number && port >= 1 && port <= ServerLocation::kLastPort ? port : ServerLocation::kDefaultPort;
}

} // namespace

ArchiveSettings ArchiveSettings::load()
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    return fromSettings(store);
}

void ArchiveSettings::store() const
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    toSettings(store);
    store.sync();
}

ArchiveSettings ArchiveSettings::fromSettings(const QSettings &store)
{
    ArchiveSettings s;
    s.enabled = store.value(kEnabled, true).toBool();
    s.operatorName = store.value(kOperator).toString().trimmed();
    const bool server = store.value(kLocation).toString().trimmed().compare(kPostgres, Qt::CaseInsensitive) == 0;
    s.engine = server ? Engine::Postgres : Engine::Sqlite;
    s.filePath = store.value(kPath).toString();
    s.server.host = store.value(kHost).toString().trimmed();
    s.server.port = serverPort(store.value(kPort));
    s.server.database = store.value(kDatabase).toString().trimmed();
    s.server.user = store.value(kUser).toString().trimmed();
    return s;
}

void ArchiveSettings::toSettings(QSettings &store) const
{
    store.setValue(kEnabled, enabled);
    store.setValue(kOperator, operatorName);
    store.setValue(kLocation, engine == Engine::Postgres ? kPostgres : kSqlite);
    store.setValue(kPath, filePath);
    store.setValue(kHost, server.host);
    store.setValue(kPort, server.port);
    store.setValue(kDatabase, server.database);
    store.setValue(kUser, server.user);
}

Author ArchiveSettings::author() const
{
    Author author = Author::current();
    if (!operatorName.isEmpty())
        author.operatorName = operatorName;
    return author;
}

ArchiveLocation ArchiveSettings::location(const QString &password) const
{
    if (engine == Engine::Sqlite)
        return ArchiveLocation::file(filePath.isEmpty() ? defaultArchivePath() : filePath);
    ServerLocation withPassword = server;
    withPassword.password = password;
    return ArchiveLocation::team(withPassword, defaultOutboxPath());
}
