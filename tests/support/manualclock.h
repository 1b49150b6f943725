#pragma once

#include "exchangeprogress.h"

// A clock for the busy display's time left that moves only when a test moves it.
class ManualClock : public ProgressClock
{
public:
    qint64 nowMs() const override { return now; }
    qint64 now = 0;
};
