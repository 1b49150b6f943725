#pragma once

#include "timingranges.h"

#include <QByteArray>

#include <array>
#include <span>

// The timing values ud5 to ud7 (in the order of kTimingRanges) as image bytes: the
// coincidence and siren times in tens of seconds, the line-fault time in minutes. Each value
// is brought into its spinner's range, written or read. An offset of -1: the image does not
// keep that value, and reading leaves it as it was.
using TimingOffsets = std::array<int, kTimingValueCount>;

void writeTimingValues(QByteArray &image, const TimingOffsets &offsets,
                       std::span<const int, kTimingValueCount> values);
void readTimingValues(const QByteArray &image, const TimingOffsets &offsets,
                      std::span<int, kTimingValueCount> values);
