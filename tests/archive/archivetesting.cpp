#include "archivetesting.h"

#include <QSqlQuery>

namespace archivetesting {

std::unique_ptr<ArchiveConnection> rawConnection(const ArchiveLocation &location)
{
    auto connection = std::make_unique<ArchiveConnection>(location.engine);
    const ArchiveError error = location.engine == ArchiveLocation::Engine::Sqlite ? connection->openFile(location.filePath)
                                                                                  : connection->openServer(location.server);
    if (error.isError())
        qWarning("raw connection: %s", qPrintable(error.message));
    return connection;
}

QString textOf(ArchiveConnection &connection, const QString &sql)
{
    QSqlQuery query(connection.database());
    if (ArchiveError error = connection.run(query, sql); error.isError())
        return error.message;
    return query.next() ? query.value(0).toString() : QString();
}

QDateTime utc(const char *iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODateWithMs).toUTC();
}

} // namespace archivetesting
