#include "archiveaddress.h"

#include <QDir>
#include <QUrl>

namespace {

const QString kSqlitePrefix = QStringLiteral("sqlite:");
const QString kServerScheme = QStringLiteral("postgresql");

QString notAnAddress(const QString &text, const QString &why)
{
    return QStringLiteral("--archive: \"%1\" %2").arg(text, why);
}

ArchiveAddress serverAddress(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString database = url.path().mid(1);
    if (!url.isValid() || url.host().isEmpty() || database.isEmpty() || database.contains(u'/'))
        return notAnAddress(text, QStringLiteral("is not postgresql://USER@HOST:PORT/DATABASE"));
    if (!url.password().isEmpty())
        return notAnAddress(text, QStringLiteral("holds a password: give it in PGPASSWORD or the keyring"));
    if (url.hasQuery() || url.hasFragment())
        return notAnAddress(text, QStringLiteral("takes no options after the database"));
    const ServerLocation server{url.host(), url.port(ServerLocation::kDefaultPort), database, url.userName(), QString()};
    return ArchiveLocation::team(server, defaultOutboxPath());
}

} // namespace

ArchiveAddress parseArchiveAddress(const QString &text)
{
    if (text.startsWith(kSqlitePrefix)) {
        const QString path = text.mid(kSqlitePrefix.size());
        if (path.isEmpty())
            return notAnAddress(text, QStringLiteral("names no file"));
        return ArchiveLocation::file(path);
    }
    if (text.startsWith(kServerScheme + QStringLiteral("://")))
        return serverAddress(text);
    return notAnAddress(text, QStringLiteral("is neither sqlite:PATH nor postgresql://USER@HOST:PORT/DATABASE"));
}

QString archiveAddressText(const ArchiveLocation &location)
{
    if (location.engine == ArchiveLocation::Engine::Sqlite)
        return kSqlitePrefix + QDir::toNativeSeparators(location.filePath);
    const ServerLocation &s = location.server;
    const QString user = s.user.isEmpty() ? QString() : s.user + u'@';
    return QStringLiteral("%1://%2%3:%4/%5").arg(kServerScheme, user, s.host).arg(s.port).arg(s.database);
}
