#pragma once

#include <QtGlobal>

#include <array>

// What the timing and test-report spinners of the alarm devices can hold.

struct SpinnerRange {
    int minimum;
    int maximum;
    int step;
    int clamp(int value) const { return qBound(minimum, value, maximum); }
};

// ud5 coincidence time and ud6 siren time in seconds (stored in tens), ud7 line-fault time
// in minutes.
inline constexpr int kTimingValueCount = 3;
inline constexpr std::array<SpinnerRange, kTimingValueCount> kTimingRanges{{
    {10, 990, 10},
    {0, 990, 10},
    {0, 99, 1},
}};

// ud8 to ud12: the first test report's hour and minute, then the period's days, hours and
// minutes; one BCD byte each.
inline constexpr int kTestReportFieldCount = 5;
inline constexpr std::array<SpinnerRange, kTestReportFieldCount> kTestReportRanges{{
    {0, 23, 1},
    {0, 59, 1},
    {0, 30, 1},
    {0, 23, 1},
    {0, 59, 1},
}};
