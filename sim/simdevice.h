#pragma once

#include "devicedefinition.h"
#include "simclock.h"

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <functional>
#include <optional>

// The byte spaces of a simulated device: EEPROM 256 bytes, memory 64 KiB, the short-address
// area 256 bytes (the code block lies at 0xC1), the clock's 7 bytes at address 0.
using SimArea = DeviceSpace;

// A device of any model: it keeps the bytes it is given and answers every device command;
// what the bytes mean is the program's business. Reads and writes through the address
// pointer advance it by the number of bytes moved.
class SimDevice
{
public:
    static constexpr int kEepromSize = 256;
    static constexpr int kMemorySize = 0x10000;
    static constexpr int kShortAreaSize = 256;

    SimDevice(quint8 typeCode, quint8 variant);

    quint8 typeCode() const { return m_typeCode; }
    quint8 variant() const { return m_variant; }

    // The reply payload to one request, or nothing when the device does not answer: the
    // regular-mode command, an unknown command, a payload of the wrong size, a transfer
    // that would leave its area (nothing of it is then carried out), or a clock write that
    // is not a valid BCD date and time.
    std::optional<QByteArray> answer(quint8 command, const QByteArray &payload);

    static int areaSize(SimArea area);
    // Nothing when [address, address + count) leaves the area.
    std::optional<QByteArray> read(SimArea area, int address, int count) const;
    // False, with nothing written, when the bytes would leave the area or the clock
    // refuses the time.
    bool write(SimArea area, int address, const QByteArray &bytes);

    // Firmware that answers a two-byte memory read at the start of one of its blocks with the
    // whole block (device address -> block length); empty for firmware that answers every
    // read with the bytes asked for.
    void setWholeBlockReads(QMap<int, int> blockLengths) { m_wholeBlocks = std::move(blockLengths); }

    // The clock's idea of "now" in UTC; tests fix it.
    void setTimeSource(std::function<QDateTime()> nowUtc) { m_now = std::move(nowUtc); }

private:
    std::optional<QByteArray> readAtPointer(SimArea area, int count);
    std::optional<QByteArray> readMemory(const QByteArray &payload);
    std::optional<QByteArray> writeAtPointer(SimArea area, const QByteArray &bytes);
    std::optional<QByteArray> shortRead(const QByteArray &payload) const;
    std::optional<QByteArray> shortWrite(const QByteArray &payload);
    std::optional<QByteArray> clockWrite(const QByteArray &payload);

    quint8 m_typeCode;
    quint8 m_variant;
    int m_pointer = 0; // 0x10000 after a transfer that ends at the top of memory
    QByteArray m_stores[3]; // Eeprom, Memory and Short, by the enum's value
    SimClock m_clock;
    QMap<int, int> m_wholeBlocks;
    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTimeUtc(); };
};
