#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Cuts the bytes a simulator receives into request frames. A frame starts with the start
// byte, carries its length in byte 2 and ends with a matching checksum; anything else is
// noise. After a bad checksum only the start byte is given up, so a real frame that
// follows noise is still found.
class RequestFramer
{
public:
    struct Chunk {
        QByteArray bytes;
        QString noiseReason; // empty for a frame
        bool isFrame() const { return noiseReason.isEmpty(); }
    };

    QList<Chunk> feed(const QByteArray &bytes);
    // The start of a frame whose rest has not come (yet).
    bool hasPartial() const { return !m_buffer.isEmpty(); }
    QByteArray takePartial();

private:
    // One frame or noise chunk from the front of the buffer, or nothing while incomplete.
    std::optional<Chunk> next();
    Chunk cut(qsizetype size, const QString &noiseReason);

    QByteArray m_buffer;
};
