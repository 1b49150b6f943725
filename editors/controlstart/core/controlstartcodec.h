#pragma once

#include "controlstartsettings.h"
#include "panelencoding.h"
#include "stationcodes.h"

#include <QByteArray>
#include <QDateTime>

// Conversion between the control-and-start device's settings and its memory image.
namespace controlstart {

// An empty access-code field stands for these codes.
inline constexpr AccessCodeFormat kAccessCode2{kLevel2Digits, 0x2222};
inline constexpr AccessCodeFormat kAccessCode3{kLevel3Digits, 0x33333};

// An image of kMemorySize bytes. `now` is the time "Системний час" writes.
QByteArray encodeMemory(const Settings &settings, const QDateTime &now);

// Accepts an image of any length, reading bytes beyond its end as 0. `now` is when the
// clock labels say the device's clock was read.
TestReportAdjusted decodeMemory(const QByteArray &image, const QDateTime &now, Settings &settings);

} // namespace controlstart
