#pragma once

#include "frame.h"

// Small byte helpers shared by the simulated device and configurator.
namespace simbytes {

// [address, address + count) lies inside a space of `size` bytes.
inline bool inside(int address, qsizetype count, int size)
{
    return address >= 0 && count >= 0 && address <= size - count;
}

// The little-endian 16-bit value at `index`; the caller has checked the length.
inline int wordAt(const QByteArray &bytes, qsizetype index)
{
    return frame::byteAt(bytes, index) | frame::byteAt(bytes, index + 1) << 8;
}

} // namespace simbytes
