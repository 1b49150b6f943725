#pragma once

#include "panelcodec.h"
#include "systemtable.h"

#include <QByteArray>
#include <QString>

// What the controls of the 16.64P editor hold, and its two images.

struct SystemPanelSettings {
    // The zone grid, times, codes, numbers and sections, as the 16-zone panel's editor holds
    // them; the access codes take up to six digits here, and there is no system address.
    PanelSettings panel;
    TDeviceCollection system;

    friend bool operator==(const SystemPanelSettings &, const SystemPanelSettings &) = default;
};

// Access codes: six decimal digits in three bytes, two a byte, most significant first, shown
// as numbers; an empty field stands for the 16-zone panel's default codes, 3 and 2735.
inline constexpr AccessCodeFormat kSystemPanelAccessCode2{6, 0x000003, true};
inline constexpr AccessCodeFormat kSystemPanelAccessCode3{6, 0x002735, true};

QByteArray encodeSystemPanelEeprom(const SystemPanelSettings &settings);
void decodeSystemPanelEeprom(const QByteArray &image, SystemPanelSettings &settings);
QByteArray encodeSystemPanelMemory(const SystemPanelSettings &settings);
MemoryDecodeReport decodeSystemPanelMemory(const QByteArray &image, SystemPanelSettings &settings);

// The factory images: every zone "замкнутий", everything else 0 (no remote panel, no module).
QByteArray defaultSystemPanelEeprom();
QByteArray defaultSystemPanelMemory();
