#include "hexrecord.h"

namespace {

using Reason = HexError::Reason;

constexpr char kStartColon = ':';
constexpr int kFixedBytes = 5; // count, address (2), type, checksum
constexpr int kAddressSpace = 0x10000;

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

HexError failure(Reason reason, qint64 expected = 0, qint64 found = 0, int column = 0)
{
    return {reason, 0, column, expected, found};
}

// Bytes of the digits after the colon; a failure names the first character that is no digit.
HexError decodeDigits(QByteArrayView digits, QByteArray &bytes)
{
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (hexDigit(digits.at(i)) < 0)
            return failure(Reason::NotHexDigit, 0, quint8(digits.at(i)), int(i) + 2); // after the colon
    }
    for (qsizetype i = 0; i + 1 < digits.size(); i += 2)
        bytes.append(char(hexDigit(digits.at(i)) << 4 | hexDigit(digits.at(i + 1))));
    return {};
}

// The data bytes an end or address record must carry; -1 for a data record (any count).
int requiredDataSize(HexRecordType type)
{
    switch (type) {
    case HexRecordType::Data: return -1;
    case HexRecordType::EndOfFile: return 0;
    case HexRecordType::ExtendedSegmentAddress:
    case HexRecordType::ExtendedLinearAddress: return 2;
    case HexRecordType::StartSegmentAddress:
    case HexRecordType::StartLinearAddress: return 4;
    }
    return -1;
}

bool isKnownType(quint8 type)
{
    return type <= quint8(HexRecordType::StartLinearAddress);
}

// Type-specific rules of a record whose frame (length, checksum, type) is good.
HexError checkContent(const HexRecord &record)
{
    const int required = requiredDataSize(record.type);
    if (required >= 0 && record.data.size() != required)
        return failure(Reason::BadRecordLength, required, record.data.size());
    const bool extension = record.type == HexRecordType::ExtendedSegmentAddress
                           || record.type == HexRecordType::ExtendedLinearAddress;
    if (extension) {
        const int upper = quint8(record.data.at(0)) << 8 | quint8(record.data.at(1));
        if (upper != 0)
            return failure(Reason::UpperAddress, 0, upper);
    }
    if (record.type == HexRecordType::Data && record.address + record.data.size() > kAddressSpace)
        return failure(Reason::PastAddressSpace, kAddressSpace, record.address + record.data.size());
    return {};
}

HexError readRecord(QByteArrayView line, HexRecord &record)
{
    if (line.isEmpty() || line.front() != kStartColon)
        return failure(Reason::NoStartColon);
    QByteArray bytes;
    const QByteArrayView digits = line.sliced(1);
    if (const HexError bad = decodeDigits(digits, bytes); bad.reason != Reason::None)
        return bad;
    const int count = bytes.isEmpty() ? 0 : quint8(bytes.at(0));
    const qsizetype expectedDigits = 2 * (qsizetype(count) + kFixedBytes);
    if (digits.size() != expectedDigits)
        return failure(Reason::LengthMismatch, expectedDigits, digits.size());
    quint8 sum = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i)
        sum = quint8(sum + quint8(bytes.at(i)));
    const auto needed = quint8(-sum);
    if (quint8(bytes.back()) != needed)
        return failure(Reason::BadChecksum, needed, quint8(bytes.back()));
    if (!isKnownType(quint8(bytes.at(3))))
        return failure(Reason::UnknownType, 0, quint8(bytes.at(3)));
    record.type = HexRecordType(bytes.at(3));
    record.address = quint16(quint8(bytes.at(1)) << 8 | quint8(bytes.at(2)));
    record.data = bytes.mid(4, count);
    return checkContent(record);
}

} // namespace

ParsedHexRecord parseHexRecord(QByteArrayView line)
{
    ParsedHexRecord parsed;
    parsed.error = readRecord(line, parsed.record);
    return parsed;
}
