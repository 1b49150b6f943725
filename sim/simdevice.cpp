#include "simdevice.h"

#include "simbytes.h"

namespace {
// A fresh device holds zeros; the configurator's store (not the device) starts erased.
constexpr char kFreshByte = '\0';
} // namespace

SimDevice::SimDevice(quint8 typeCode, quint8 variant)
    : m_typeCode(typeCode),
      m_variant(variant),
      m_stores{QByteArray(kEepromSize, kFreshByte), QByteArray(kMemorySize, kFreshByte),
               QByteArray(kShortAreaSize, kFreshByte)}
{
}

std::optional<QByteArray> SimDevice::answer(quint8 command, const QByteArray &payload)
{
    using namespace frame;
    switch (command) {
    case kCmdSetAddress:
        if (payload.size() != 2)
            return std::nullopt;
        m_pointer = simbytes::wordAt(payload, 0);
        return QByteArray();
    case kCmdWriteMemory:
        return writeAtPointer(SimArea::Memory, payload);
    case kCmdWriteEeprom:
        return writeAtPointer(SimArea::Eeprom, payload);
    case kCmdReadEepromByte:
        return readAtPointer(SimArea::Eeprom, 1);
    case kCmdReadMemory:
        return readMemory(payload);
    case kCmdIdentify:
        return QByteArray(1, char(m_typeCode)) + char(m_variant);
    case kCmdShortWrite:
        return shortWrite(payload);
    case kCmdShortRead:
        return shortRead(payload);
    case kCmdClockRead:
        return read(SimArea::Clock, 0, SimClock::kSize);
    case kCmdClockWrite:
        return clockWrite(payload);
    default:
        return std::nullopt; // kCmdRegularMode is never answered
    }
}

std::optional<QByteArray> SimDevice::readAtPointer(SimArea area, int count)
{
    std::optional<QByteArray> bytes = read(area, m_pointer, count);
    if (bytes)
        m_pointer += count;
    return bytes;
}

// The request carries one zero byte per byte wanted.
std::optional<QByteArray> SimDevice::readMemory(const QByteArray &payload)
{
    constexpr int kShortRequest = 2;
    int count = int(payload.size());
    if (count == kShortRequest && m_wholeBlocks.contains(m_pointer))
        count = m_wholeBlocks.value(m_pointer);
    return readAtPointer(SimArea::Memory, count);
}

std::optional<QByteArray> SimDevice::writeAtPointer(SimArea area, const QByteArray &bytes)
{
    if (!write(area, m_pointer, bytes))
        return std::nullopt;
    m_pointer += int(bytes.size());
    return QByteArray();
}

// Payload: short address, count.
std::optional<QByteArray> SimDevice::shortRead(const QByteArray &payload) const
{
    if (payload.size() != 2 || frame::byteAt(payload, 1) > frame::kMaxPayload)
        return std::nullopt;
    return read(SimArea::Short, frame::byteAt(payload, 0), frame::byteAt(payload, 1));
}

// Payload: short address, then the data bytes.
std::optional<QByteArray> SimDevice::shortWrite(const QByteArray &payload)
{
    if (payload.isEmpty() || !write(SimArea::Short, frame::byteAt(payload, 0), payload.mid(1)))
        return std::nullopt;
    return QByteArray();
}

// A time that is not a valid BCD date and time (plain numbers, seven 0x00 bytes) is not
// answered, so that a program writing the clock in another encoding fails visibly.
std::optional<QByteArray> SimDevice::clockWrite(const QByteArray &payload)
{
    if (!write(SimArea::Clock, 0, payload))
        return std::nullopt;
    return QByteArray();
}

int SimDevice::areaSize(SimArea area)
{
    switch (area) {
    case SimArea::Eeprom: return kEepromSize;
    case SimArea::Memory: return kMemorySize;
    case SimArea::Short: return kShortAreaSize;
    case SimArea::Clock: return SimClock::kSize;
    }
    return 0;
}

std::optional<QByteArray> SimDevice::read(SimArea area, int address, int count) const
{
    if (!simbytes::inside(address, count, areaSize(area)))
        return std::nullopt;
    if (area == SimArea::Clock)
        return m_clock.read(m_now()).mid(address, count);
    return m_stores[int(area)].mid(address, count);
}

bool SimDevice::write(SimArea area, int address, const QByteArray &bytes)
{
    if (!simbytes::inside(address, bytes.size(), areaSize(area)))
        return false;
    if (area == SimArea::Clock)
        return address == 0 && bytes.size() == SimClock::kSize && m_clock.set(bytes, m_now());
    m_stores[int(area)].replace(address, bytes.size(), bytes);
    return true;
}
