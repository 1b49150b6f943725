#include "adapterlatency.h"

QList<AdapterDelivery> heldByAdapter(const QByteArray &bytes, qint64 firstNs, qint64 byteNs,
                                     qint64 latencyNs, int bufferBytes)
{
    QList<AdapterDelivery> deliveries;
    QByteArray held;
    qint64 deadline = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const qint64 arrival = firstNs + i * byteNs;
        if (!held.isEmpty() && arrival > deadline)
            deliveries.append({deadline, std::exchange(held, QByteArray())});
        if (held.isEmpty())
            deadline = arrival + latencyNs;
        held.append(bytes.at(i));
        if (held.size() >= bufferBytes)
            deliveries.append({arrival, std::exchange(held, QByteArray())});
    }
    if (!held.isEmpty())
        deliveries.append({deadline, held});
    return deliveries;
}
