#pragma once

#include "panelencoding.h"
#include "panelsettings.h"

#include <QByteArray>

// Conversion between a panel editor's settings and the two device images.
//
// Encoders return an image of the model's size. Decoders accept an image of any length,
// reading bytes beyond its end as 0, and write only the settings the image carries.

// Four decimal digits as a hex word; an empty field stands for these codes.
inline constexpr AccessCodeFormat kPanelAccessCode2{4, 0x0003};
inline constexpr AccessCodeFormat kPanelAccessCode3{4, 0x2735};

// `variant` is the editor variant when encoding and the device's reported firmware variant
// when decoding. Timing bytes of a 4- or 8-zone variant outside 2 to 6 are left at 0 when
// encoding, and the timing settings are left as they were when decoding.
QByteArray encodeEeprom(PanelModel model, int variant, const PanelSettings &settings);
void decodeEeprom(PanelModel model, int variant, const QByteArray &image, PanelSettings &settings);
// The timing bytes alone (and the system address where the layout has one), for the models
// whose times are the panels'.
void writeTiming(const TimingLayout &layout, const PanelSettings &settings, QByteArray &image);
void readTiming(const TimingLayout &layout, const QByteArray &image, PanelSettings &settings);

// Test-report bytes that could not be shown as stored: not valid BCD, or beyond the spinner's
// range. Each such spinner shows the nearest value it can hold.
struct MemoryDecodeReport {
    std::array<bool, kTestReportFieldCount> testReportAdjusted{};

    bool anyAdjusted() const;
};

QByteArray encodeMemory(PanelModel model, const PanelSettings &settings);
// The same bytes into an image that may be larger than the model's (its other bytes are
// left as they are).
void writeMemory(PanelModel model, const PanelSettings &settings, QByteArray &image);
MemoryDecodeReport decodeMemory(PanelModel model, const QByteArray &image,
                                PanelSettings &settings);

// Factory-reset EEPROM image: all zero except the closed-detector set, which holds every zone.
// The reset memory image is all zero at the model's memory size.
QByteArray defaultEepromImage(PanelModel model);
