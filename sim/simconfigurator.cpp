#include "simconfigurator.h"

#include "simbytes.h"

namespace {
constexpr int kAddressSize = 2;
constexpr int kAnySize = -1;
} // namespace

std::optional<QByteArray> SimConfigurator::answer(quint8 command, const QByteArray &payload)
{
    switch (command) {
    case frame::kCmdStoreDescriptor:
        return storeAt(payload, kDescriptorSize);
    case frame::kCmdStoreData:
        return storeAt(payload, kAnySize);
    case frame::kCmdReadStore:
        if (payload.size() != kAddressSize)
            return std::nullopt;
        return read(simbytes::wordAt(payload, 0), kReadSize);
    default:
        return std::nullopt;
    }
}

// Payload: address (2 bytes, little-endian), then the bytes to store there.
std::optional<QByteArray> SimConfigurator::storeAt(const QByteArray &payload, int expectedDataSize)
{
    const qsizetype dataSize = payload.size() - kAddressSize;
    if (dataSize < 0 || (expectedDataSize != kAnySize && dataSize != expectedDataSize))
        return std::nullopt;
    if (!write(simbytes::wordAt(payload, 0), payload.mid(kAddressSize)))
        return std::nullopt;
    return QByteArray();
}

std::optional<QByteArray> SimConfigurator::read(int address, int count) const
{
    if (!simbytes::inside(address, count, kStoreSize))
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(count);
    int position = address;
    while (bytes.size() < count) {
        const auto record = recordHolding(position);
        if (record == m_records.cend()) {
            bytes.append(kErasedByte);
            ++position;
            continue;
        }
        const QByteArray rest = record.value().mid(position - record.key(), count - bytes.size());
        bytes.append(rest);
        position += int(rest.size());
    }
    return bytes;
}

QMap<int, QByteArray>::const_iterator SimConfigurator::recordHolding(int address) const
{
    auto record = m_records.upperBound(address);
    while (record != m_records.cbegin()) {
        --record;
        if (record.key() + m_longestRecord <= address)
            break; // no earlier record reaches this far
        if (address < record.key() + record.value().size())
            return record;
    }
    return m_records.cend();
}

bool SimConfigurator::write(int address, const QByteArray &bytes)
{
    if (!simbytes::inside(address, bytes.size(), kStoreSize))
        return false;
    if (bytes.isEmpty())
        return true;
    m_records.insert(address, bytes);
    m_longestRecord = std::max(m_longestRecord, bytes.size());
    return true;
}
