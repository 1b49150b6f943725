#include "firsthinstancerunning.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <unistd.h>

namespace {

constexpr int kConnectTimeoutMs = 2000;
constexpr int kAttempts = 25; // the first instance may still be starting
constexpr char kActivate[] = "activate\n";

QString userScopedName(const QString &name)
{
    return name + QStringLiteral("-") + QString::number(::getuid());
}

} // namespace

FirstInstance::FirstInstance(const QString &name, QObject *parent)
    : QObject(parent),
      m_serverName(userScopedName(name)),
      m_lock(QDir::temp().filePath(userScopedName(name) + QStringLiteral(".lock")))
{
    m_lock.setStaleLockTime(0); // staleness is judged by the owning process only
}

FirstInstance::~FirstInstance() = default;

bool FirstInstance::claim()
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (m_lock.tryLock(0))
            return listen();
        if (m_lock.error() == QLockFile::LockFailedError && askRunningInstance())
            return false;
        // The holder may have just died (its lock is stale) or not be listening yet.
        m_lock.removeStaleLockFile();
        QThread::msleep(40);
    }
    // Never refuse to start because of a lock we cannot make sense of.
    return listen();
}

bool FirstInstance::listen()
{
    QLocalServer::removeServer(m_serverName); // socket left behind by a killed instance
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("activate"))
                    Q_EMIT activationRequested();
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    m_server->listen(m_serverName);
    return true;
}

bool FirstInstance::askRunningInstance() const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kActivate);
    return socket.waitForBytesWritten(kConnectTimeoutMs);
}
