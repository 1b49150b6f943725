#include "timingbytes.h"

#include "panelencoding.h"

namespace {

constexpr std::array<int, kTimingValueCount> kScales{10, 10, 1};

} // namespace

void writeTimingValues(QByteArray &image, const TimingOffsets &offsets,
                       std::span<const int, kTimingValueCount> values)
{
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        if (offsets[i] >= 0)
            putByte(image, offsets[i], quint8(kTimingRanges[i].clamp(values[i]) / kScales[i]));
    }
}

void readTimingValues(const QByteArray &image, const TimingOffsets &offsets,
                      std::span<int, kTimingValueCount> values)
{
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        if (offsets[i] >= 0)
            values[i] = kTimingRanges[i].clamp(byteAt(image, offsets[i]) * kScales[i]);
    }
}
