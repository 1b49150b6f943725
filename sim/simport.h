#pragma once

#include "simline.h"

#include <QByteArray>
#include <QIODevice>

class SimEndpoint;

// The in-process transport: a QIODevice that TMainCPort talks through as through a serial
// port. Written requests go down a SimLine to the endpoint; replies come back through
// readyRead from the event loop, paced when a baud rate is given.
class SimPort : public QIODevice
{
    Q_OBJECT
public:
    // `endpoint` is not owned and must outlive the port.
    explicit SimPort(SimEndpoint &endpoint, int baudRate = 0, QObject *parent = nullptr);

    // Nothing is on its way back and nothing waits to be read: a request still unanswered
    // will stay so.
    bool idle() const { return m_line.idle() && m_incoming.isEmpty(); }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_incoming.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    void deliver(const QByteArray &bytes);

    SimLine m_line;
    QByteArray m_incoming;
};
