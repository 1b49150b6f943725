#include "simconfigurator.h"

#include "simbytes.h"

namespace {
constexpr int kAddressSize = 2;
constexpr int kAnySize = -1;
} // namespace

SimConfigurator::SimConfigurator() : m_store(kStoreSize, kErasedByte) {}

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
    return m_store.mid(address, count);
}

bool SimConfigurator::write(int address, const QByteArray &bytes)
{
    if (!simbytes::inside(address, bytes.size(), kStoreSize))
        return false;
    m_store.replace(address, bytes.size(), bytes);
    return true;
}
