#include "scriptedtransport.h"

#include <QTimer>
#include <algorithm>
#include <cstring>

ScriptedTransport::ScriptedTransport() = default;

bool ScriptedTransport::open(OpenMode mode)
{
    if (failOpen) {
        setErrorString(QStringLiteral("Device or resource busy"));
        return false;
    }
    return QIODevice::open(mode);
}

void ScriptedTransport::inject(const QByteArray &bytes)
{
    ++m_inFlight;
    QTimer::singleShot(0, this, [this, bytes] {
        --m_inFlight;
        m_pending.append(bytes);
        Q_EMIT readyRead();
    });
}

qint64 ScriptedTransport::readData(char *data, qint64 maxSize)
{
    const qint64 n = std::min<qint64>(maxSize, m_pending.size());
    std::memcpy(data, m_pending.constData(), size_t(n));
    m_pending.remove(0, n);
    return n;
}

qint64 ScriptedTransport::writeData(const char *data, qint64 size)
{
    const QByteArray frame(data, size);
    written.append(frame);
    if (responder) {
        const QByteArray reply = responder(frame);
        if (!reply.isEmpty())
            inject(reply);
    }
    return size;
}
