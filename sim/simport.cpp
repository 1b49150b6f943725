#include "simport.h"

#include <algorithm>

SimPort::SimPort(SimEndpoint &endpoint, int baudRate, QObject *parent)
    : QIODevice(parent), m_line(endpoint, baudRate)
{
    connect(&m_line, &SimLine::transmit, this, &SimPort::deliver);
}

qint64 SimPort::readData(char *data, qint64 maxSize)
{
    const QByteArray taken = m_incoming.first(std::min<qint64>(maxSize, m_incoming.size()));
    std::copy(taken.cbegin(), taken.cend(), data);
    m_incoming.remove(0, taken.size());
    return taken.size();
}

qint64 SimPort::writeData(const char *data, qint64 size)
{
    m_line.receive(QByteArray(data, size));
    return size;
}

void SimPort::deliver(const QByteArray &bytes)
{
    if (!isOpen())
        return; // a closed port hears nothing
    m_incoming.append(bytes);
    Q_EMIT readyRead();
}
