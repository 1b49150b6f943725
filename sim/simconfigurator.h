#pragma once

#include "packets.h"

#include <QByteArray>
#include <QMap>
#include <optional>

// The hand-held configurator: a 64 KiB address space, erased to 0xFF, that takes block
// descriptors and data and gives back 64 bytes from any address.
//
// Every store is kept whole as one record at its address; a later store at the same
// address replaces it, one that merely overlaps it does not cut it. The program lays
// firmware out with 10-byte descriptors 4 addresses apart and data 8 apart, so the unit
// evidently does not keep bytes at consecutive addresses; records reproduce that without
// guessing its word size, and every layout that does not overlap reads as a plain byte store.
class SimConfigurator
{
public:
    static constexpr int kStoreSize = 0x10000;
    static constexpr int kReadSize = 64;
    static constexpr int kDescriptorSize = SlotDescriptor::kStoredSize;
    static constexpr char kErasedByte = '\xFF';

    // The reply payload to one request, or nothing for an unknown command, a payload of
    // the wrong size, or a transfer that would run past the end of the store.
    std::optional<QByteArray> answer(quint8 command, const QByteArray &payload);

    // `count` bytes from `address`: the record that starts there (else the latest-starting
    // one that holds the address) to its end, then the same from the next address, and so
    // on; addresses no record holds read as erased. Nothing when [address, address + count)
    // leaves the store.
    std::optional<QByteArray> read(int address, int count) const;
    // Stores one record. False, with nothing stored, when it would leave the store.
    bool write(int address, const QByteArray &bytes);

private:
    std::optional<QByteArray> storeAt(const QByteArray &payload, int expectedDataSize);
    // The record that starts at `address`, else the latest-starting one that holds it.
    QMap<int, QByteArray>::const_iterator recordHolding(int address) const;

    QMap<int, QByteArray> m_records; // by start address
    qsizetype m_longestRecord = 0;
};
