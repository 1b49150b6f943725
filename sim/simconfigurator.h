#pragma once

#include <QByteArray>
#include <optional>

// The hand-held configurator: a 64 KiB byte-addressed store, erased to 0xFF, that takes
// block descriptors and data and gives back 64 bytes from any address.
class SimConfigurator
{
public:
    static constexpr int kStoreSize = 0x10000;
    static constexpr int kReadSize = 64;
    static constexpr int kDescriptorSize = 10;
    static constexpr char kErasedByte = '\xFF';

    SimConfigurator();

    // The reply payload to one request, or nothing for an unknown command, a payload of
    // the wrong size, or a transfer that would run past the end of the store.
    std::optional<QByteArray> answer(quint8 command, const QByteArray &payload);

    // Nothing when [address, address + count) leaves the store.
    std::optional<QByteArray> read(int address, int count) const;
    // False, with nothing written, when the bytes would leave the store.
    bool write(int address, const QByteArray &bytes);

private:
    std::optional<QByteArray> storeAt(const QByteArray &payload, int expectedDataSize);

    QByteArray m_store;
};
