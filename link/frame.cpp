#include "frame.h"

namespace frame {

quint8 crc8(const char *data, qsizetype size)
{
    quint8 crc = 0;
    for (qsizetype i = 0; i < size; ++i) {
        quint8 byte = static_cast<quint8>(data[i]);
        for (int bit = 0; bit < 8; ++bit) {
            const bool feedback = (crc ^ byte) & 1;
            crc >>= 1;
            if (feedback)
                crc ^= 0x8C;
            byte >>= 1;
        }
    }
    return crc;
}

QByteArray make(quint8 addressee, quint8 command, const QByteArray &payload)
{
    Q_ASSERT(payload.size() <= kMaxPayload);
    QByteArray bytes;
    bytes.reserve(payload.size() + kOverhead);
    bytes.append(char(kStartByte));
    bytes.append(char(addressee));
    bytes.append(char(payload.size() + kOverhead));
    bytes.append(char(command));
    bytes.append(payload);
    bytes.append(char(crc8(bytes)));
    return bytes;
}

QByteArray word(quint16 value)
{
    QByteArray bytes(2, '\0');
    bytes[0] = char(value & 0xFF);
    bytes[1] = char(value >> 8);
    return bytes;
}

bool checksumIsGood(const QByteArray &reply)
{
    if (reply.size() < kMinSize)
        return false;
    const qsizetype crcIndex = reply.size() - 1;
    return crc8(reply.constData(), crcIndex) == byteAt(reply, crcIndex);
}

bool replyIsGood(const QByteArray &reply, const QByteArray &request)
{
    return request.size() >= kHeaderSize && checksumIsGood(reply) && reply.at(3) == request.at(3);
}

} // namespace frame
