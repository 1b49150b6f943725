#pragma once

#include <QByteArray>
#include <QList>

// A USB-to-serial adapter on the reply path: it passes received bytes on only when its
// latency timer, started by the first byte it holds, runs out, or at once when its buffer
// is full. Bytes arriving after the timer ran out start the next hold.
struct AdapterDelivery {
    qint64 atNs;      // when the bytes are handed on
    QByteArray bytes;
};

inline constexpr int kAdapterBufferBytes = 62;

// `bytes` reach the adapter one after another: the first completely at `firstNs`, each
// next one `byteNs` later.
QList<AdapterDelivery> heldByAdapter(const QByteArray &bytes, qint64 firstNs, qint64 byteNs,
                                     qint64 latencyNs, int bufferBytes = kAdapterBufferBytes);
