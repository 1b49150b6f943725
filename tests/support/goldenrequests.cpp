// Decodes built frames into the rows of goldenplan.h and compares them with a table's.
#include "goldenplan.h"

#include "frame.h"
#include "packets.h"

namespace golden {

namespace {

constexpr qsizetype kDescriptorPayload = 12; // record address + the 10-byte descriptor

quint16 wordAt(const QByteArray &bytes, qsizetype index)
{
    return quint16(frame::byteAt(bytes, index) | frame::byteAt(bytes, index + 1) << 8);
}

QString decimal(qint64 value)
{
    return QString::number(value);
}

QString areaName(int area)
{
    switch (area) {
    case kKindEeprom:
        return QStringLiteral("E");
    case kKindMemory:
        return QStringLiteral("M");
    default:
        return QStringLiteral("K%1").arg(area);
    }
}

QStringList badFrame(const QByteArray &frame)
{
    return {QStringLiteral("BAD"), QString::fromLatin1(frame.toHex(' '))};
}

bool isWellFramed(const QByteArray &frame)
{
    return frame.size() >= frame::kMinSize && frame::byteAt(frame, 0) == frame::kStartByte
           && frame::byteAt(frame, 2) == frame.size() && frame::checksumIsGood(frame);
}

// Follows the device's address pointer: set by A, moved on by every read and write.
class DeviceDecoder
{
public:
    QStringList decode(quint8 command, const QByteArray &payload)
    {
        const qsizetype n = payload.size();
        if (n < fieldBytes(command))
            return {};
        switch (command) {
        case frame::kCmdSetAddress:
            m_pointer = wordAt(payload, 0);
            return {QStringLiteral("A"), hexField(*m_pointer)};
        case frame::kCmdWriteMemory:
            return atPointer(QStringLiteral("W"), QStringLiteral("M"), n);
        case frame::kCmdWriteEeprom:
            return atPointer(QStringLiteral("W"), QStringLiteral("E"), n);
        case frame::kCmdReadEepromByte:
            return atPointer(QStringLiteral("R"), QStringLiteral("E"), 1);
        case frame::kCmdReadMemory:
            return atPointer(QStringLiteral("R"), QStringLiteral("M"), n);
        case frame::kCmdIdentify:
            return {QStringLiteral("ID")};
        case frame::kCmdRegularMode:
            return {QStringLiteral("REG")};
        case frame::kCmdShortWrite:
            return {QStringLiteral("SW"), hexField(frame::byteAt(payload, 0)), decimal(n - 1)};
        case frame::kCmdShortRead:
            return {QStringLiteral("SR"), hexField(frame::byteAt(payload, 0)),
                    decimal(frame::byteAt(payload, 1))};
        case frame::kCmdClockRead:
            return {QStringLiteral("CLK"), QStringLiteral("R")};
        case frame::kCmdClockWrite:
            return {QStringLiteral("CLK"), QStringLiteral("W"), decimal(n)};
        default:
            return {};
        }
    }

private:
    // Payload bytes a request of this command needs for its fields.
    static qsizetype fieldBytes(quint8 command)
    {
        switch (command) {
        case frame::kCmdSetAddress:
        case frame::kCmdShortRead:
            return 2;
        case frame::kCmdShortWrite:
            return 1;
        default:
            return 0;
        }
    }

    QStringList atPointer(const QString &operation, const QString &area, qsizetype count)
    {
        const QString address = m_pointer ? hexField(*m_pointer) : QStringLiteral("?");
        if (m_pointer)
            m_pointer = quint16(*m_pointer + count);
        return {operation, area, address, decimal(count)};
    }

    std::optional<quint16> m_pointer; // unknown until the first set-address
};

QStringList configuratorRequest(const TPacket &packet, const QByteArray &payload)
{
    const quint8 command = frame::byteAt(packet.Data, 3);
    if (command == frame::kCmdStoreDescriptor && payload.size() == kDescriptorPayload)
        return {QStringLiteral("CD"), hexField(wordAt(payload, 0)),
                decimal(frame::byteAt(payload, 2)), decimal(frame::byteAt(payload, 3)),
                areaName(frame::byteAt(payload, 4)), hexField(wordAt(payload, 5)),
                hexField(wordAt(payload, 7)), decimal(frame::byteAt(payload, 9)),
                hexField(wordAt(payload, 10))};
    if (command == frame::kCmdStoreData && payload.size() >= 2)
        return {QStringLiteral("CW"), hexField(wordAt(payload, 0)), decimal(payload.size() - 2)};
    if (command == frame::kCmdReadStore && payload.size() == 2) {
        QStringList row{QStringLiteral("CR"), areaName(packet.Kind), hexField(wordAt(payload, 0))};
        if (packet.Kind == kKindEeprom || packet.Kind == kKindMemory)
            row.append(decimal(packet.Count));
        return row;
    }
    return {};
}

bool sameField(const QString &a, const QString &b)
{
    const std::optional<qint64> x = numberField(a);
    const std::optional<qint64> y = numberField(b);
    return x && y ? *x == *y : a == b;
}

bool sameRequest(const Request &a, const Request &b)
{
    if (a.fields.size() != b.fields.size())
        return false;
    for (qsizetype i = 0; i < a.fields.size(); ++i) {
        if (!sameField(a.fields[i], b.fields[i]))
            return false;
    }
    return true;
}

} // namespace

std::optional<qint64> numberField(const QString &field)
{
    bool ok = false;
    const qint64 value = field.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                             ? field.mid(2).toLongLong(&ok, 16)
                             : field.toLongLong(&ok, 10);
    return ok ? std::optional(value) : std::nullopt;
}

QString hexField(qint64 value)
{
    return QStringLiteral("0x") + QString::number(value, 16).rightJustified(4, '0').toUpper();
}

Requests decodeRequests(const TPacketList &list)
{
    Requests requests;
    DeviceDecoder device;
    for (const TPacket &packet : list.packets()) {
        const QByteArray &data = packet.Data;
        QStringList fields;
        if (isWellFramed(data)) {
            const QByteArray payload = data.mid(frame::kHeaderSize, data.size() - frame::kOverhead);
            const quint8 addressee = frame::byteAt(data, 1);
            if (addressee == frame::kAddrDevice)
                fields = device.decode(frame::byteAt(data, 3), payload);
            else if (addressee == frame::kAddrConfigurator)
                fields = configuratorRequest(packet, payload);
        }
        requests.append({fields.isEmpty() ? badFrame(data) : fields});
    }
    return requests;
}

QString firstDifference(const Requests &expected, const Requests &built)
{
    const qsizetype common = qMin(expected.size(), built.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (!sameRequest(expected[i], built[i]))
            return QStringLiteral("request %1: table line %2 says '%3', built '%4'")
                .arg(i)
                .arg(expected[i].line)
                .arg(expected[i].text(), built[i].text());
    }
    if (expected.size() > common)
        return QStringLiteral("built %1 requests, the table has %2; first missing: line %3 '%4'")
            .arg(built.size())
            .arg(expected.size())
            .arg(expected[common].line)
            .arg(expected[common].text());
    if (built.size() > common)
        return QStringLiteral("built %1 requests, the table has %2; first extra: '%3'")
            .arg(built.size())
            .arg(expected.size())
            .arg(built[common].text());
    return {};
}

} // namespace golden
