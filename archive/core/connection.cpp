#include "connection.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {

using Code = ArchiveError::Code;

// Writers wait for each other's transactions this long before giving up (ms).
constexpr int kBusyTimeoutMs = 10000;
// A server that has not answered a connection attempt by then counts as away (s).
constexpr int kConnectTimeoutS = 5;

QString uniqueConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("site-archive-%1").arg(counter.fetchAndAddRelaxed(1));
}

// Qt binds a null QString as NULL; no text column of the archive takes NULL, and an empty
// field is empty text.
QVariant nullTextAsEmpty(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString && value.toString().isNull())
        return QStringLiteral("");
    return value;
}

} // namespace

ArchiveConnection::ArchiveConnection(SqlDialect::Engine engine) : m_dialect(engine), m_name(uniqueConnectionName())
{
    QSqlDatabase::addDatabase(m_dialect.driverName(), m_name);
}

ArchiveConnection::~ArchiveConnection()
{
    database().close();
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase ArchiveConnection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

bool ArchiveConnection::isOpen() const
{
    return database().isOpen();
}

ArchiveError ArchiveConnection::openFile(const QString &path)
{
    QSqlDatabase db = database();
    if (!db.isValid())
        return ArchiveError::make(Code::NoDriver, m_dialect.driverName());
    const QFileInfo info(path);
    if (path.isEmpty() || !QDir().mkpath(info.absolutePath()))
        return ArchiveError::make(Code::CannotOpen, path);
    db.setDatabaseName(info.absoluteFilePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    return openAndProbe(path);
}

ArchiveError ArchiveConnection::openServer(const ServerLocation &server)
{
    QSqlDatabase db = database();
    if (!db.isValid())
        return ArchiveError::make(Code::NoDriver, m_dialect.driverName());
    db.setHostName(server.host);
    db.setPort(server.port);
    db.setDatabaseName(server.database);
    db.setUserName(server.user);
    db.setPassword(server.password);
    db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(kConnectTimeoutS));
    return openAndProbe(QStringLiteral("%1:%2/%3").arg(server.host).arg(server.port).arg(server.database));
}

ArchiveError ArchiveConnection::openAndProbe(const QString &where)
{
    QSqlDatabase db = database();
    db.close();
    const Code refusal = m_dialect.engine() == SqlDialect::Engine::Sqlite ? Code::CannotOpen : Code::ServerUnreachable;
    if (!db.open())
        return ArchiveError::make(refusal, where + QStringLiteral(": ") + db.lastError().text());
    QSqlQuery query(db);
    if (query.exec(m_dialect.probe()))
        return {};
    const QSqlError error = query.lastError();
    query.finish();
    db.close();
    return ArchiveError::make(m_dialect.isDamage(error) ? Code::Damaged : refusal, where + QStringLiteral(": ") + error.text());
}

ArchiveError ArchiveConnection::run(QSqlQuery &query, const QString &sql, const QVariantMap &values)
{
    if (!isOpen())
        return ArchiveError::make(m_dialect.engine() == SqlDialect::Engine::Sqlite ? Code::CannotOpen : Code::ServerUnreachable);
    query.setForwardOnly(true);
    // PostgreSQL prepares neither schema changes nor transaction control: a statement
    // without values runs as it is.
    if (values.isEmpty())
        return query.exec(sql) ? ArchiveError() : failure(query.lastError());
    if (!query.prepare(sql))
        return failure(query.lastError());
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        query.bindValue(u':' + it.key(), nullTextAsEmpty(it.value()));
    return query.exec() ? ArchiveError() : failure(query.lastError());
}

ArchiveError ArchiveConnection::run(const QString &sql, const QVariantMap &values)
{
    QSqlQuery query(database());
    return run(query, sql, values);
}

ArchiveResult<qint64> ArchiveConnection::number(const QString &sql, const QVariantMap &values)
{
    QSqlQuery query(database());
    if (ArchiveError error = run(query, sql, values); error.isError())
        return {0, error};
    return {query.next() ? query.value(0).toLongLong() : 0, {}};
}

qint64 ArchiveConnection::returnedId(QSqlQuery &query)
{
    const qint64 id = query.next() ? query.value(0).toLongLong() : 0;
    while (query.next()) {
    }
    query.finish();
    return id;
}

ArchiveError ArchiveConnection::rowsError(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    return error.type() == QSqlError::NoError ? ArchiveError() : failure(error);
}

ArchiveError ArchiveConnection::failure(const QSqlError &error)
{
    if (m_dialect.isDamage(error))
        return ArchiveError::make(Code::Damaged, error.text());
    if (m_dialect.mayBeLostConnection(error) && !answers()) {
        database().close();
        return ArchiveError::make(Code::ServerUnreachable, error.text());
    }
    return ArchiveError::make(Code::QueryFailed, error.text());
}

bool ArchiveConnection::answers()
{
    const QSqlDatabase db = database();
    QSqlQuery query(db);
    return db.isOpen() && query.exec(m_dialect.probe());
}
