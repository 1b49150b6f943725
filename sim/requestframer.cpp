#include "requestframer.h"

#include "frame.h"

#include <utility>

namespace {
constexpr qsizetype kLengthIndex = 2;
}

QList<RequestFramer::Chunk> RequestFramer::feed(const QByteArray &bytes)
{
    m_buffer.append(bytes);
    QList<Chunk> chunks;
    while (std::optional<Chunk> chunk = next())
        chunks.append(*chunk);
    return chunks;
}

QByteArray RequestFramer::takePartial()
{
    return std::exchange(m_buffer, QByteArray());
}

std::optional<RequestFramer::Chunk> RequestFramer::next()
{
    const qsizetype start = m_buffer.indexOf(char(frame::kStartByte));
    if (start != 0) {
        const qsizetype noise = start < 0 ? m_buffer.size() : start;
        if (noise == 0)
            return std::nullopt;
        return cut(noise, QStringLiteral("no start byte"));
    }
    if (m_buffer.size() <= kLengthIndex)
        return std::nullopt;
    const int length = frame::byteAt(m_buffer, kLengthIndex);
    if (length < frame::kMinSize)
        return cut(1, QStringLiteral("length byte below the minimum"));
    if (m_buffer.size() < length)
        return std::nullopt;
    if (frame::crc8(m_buffer.constData(), length - 1) != frame::byteAt(m_buffer, length - 1))
        return cut(1, QStringLiteral("bad checksum"));
    return cut(length, QString());
}

RequestFramer::Chunk RequestFramer::cut(qsizetype size, const QString &noiseReason)
{
    Chunk chunk{m_buffer.left(size), noiseReason};
    m_buffer.remove(0, size);
    return chunk;
}
