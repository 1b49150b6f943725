#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;
class SimLine;

// A pseudo-terminal in raw mode whose far end is a SimLine: what the program writes to the
// terminal goes to the line, what the line transmits comes out of the terminal. The server
// keeps the terminal's own end open too, so that the program may close and reopen it.
class PtyServer : public QObject
{
    Q_OBJECT
public:
    explicit PtyServer(SimLine &line, QObject *parent = nullptr);
    ~PtyServer() override;

    // False with the system's reason in `error`.
    bool open(QString &error);
    QString path() const { return m_path; }

Q_SIGNALS:
    // Reading the terminal failed for good.
    void failed(const QString &reason);

private:
    void readAvailable();
    void send(const QByteArray &bytes);

    SimLine &m_line;
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    QSocketNotifier *m_notifier = nullptr;
};
