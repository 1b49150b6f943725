#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <functional>

// A serial port stand-in for link tests: records every frame written and lets the test
// answer it. `responder` (when set) is asked for the reply to each written frame; an
// empty answer means the device stays silent. Replies arrive through readyRead from the
// event loop, as from a real port.
class ScriptedTransport : public QIODevice
{
    Q_OBJECT
public:
    ScriptedTransport();

    QList<QByteArray> written;
    std::function<QByteArray(const QByteArray &request)> responder;
    bool failOpen = false;

    // Queues `bytes` for reading and announces them from the event loop.
    void inject(const QByteArray &bytes);
    // A reply is on its way or waiting to be read.
    bool replyPending() const { return m_inFlight > 0 || !m_pending.isEmpty(); }

    bool open(OpenMode mode) override;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_pending.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    QByteArray m_pending;
    int m_inFlight = 0;
};
