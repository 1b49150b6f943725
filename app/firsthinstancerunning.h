#pragma once

#include <QLockFile>
#include <QObject>
#include <memory>

class QLocalServer;

// One running instance per user and program. The first instance holds a lock file and
// listens on a local socket; a later start asks it to come forward and then ends.
// The lock belongs to the process: a first instance that crashed or was killed leaves a
// stale lock that the next start takes over, so it never blocks later starts.
class FirstInstance : public QObject
{
    Q_OBJECT
public:
    // `name` identifies the program (its file name without folder).
    explicit FirstInstance(const QString &name, QObject *parent = nullptr);
    ~FirstInstance() override;

    // True when this process is the first instance (it then serves activation requests).
    // False when another instance runs: that one has been asked to come forward.
    bool claim();

Q_SIGNALS:
    // Another start asked this instance to restore its window and come to the front.
    void activationRequested();

private:
    bool listen();
    bool askRunningInstance() const;

    QString m_serverName;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
