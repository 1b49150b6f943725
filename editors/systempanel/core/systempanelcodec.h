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

// Access codes: six decimal digits in three bytes, two a byte, most significant first. A
// pair that is not two decimal digits, and every pair of an empty field, stands for its
// position's byte of the level's default code (the 16-zone panel's defaults 3 and 2735).
inline constexpr int kAccessCodeBytes = 3;
inline constexpr int kAccessCodeDigits = 2 * kAccessCodeBytes;
using AccessCodeBytes = std::array<quint8, kAccessCodeBytes>;
inline constexpr AccessCodeBytes kAccessCode2Fallback{0x00, 0x00, 0x03};
inline constexpr AccessCodeBytes kAccessCode3Fallback{0x00, 0x27, 0x35};

AccessCodeBytes accessCodeBytes(const QString &text, const AccessCodeBytes &fallback);

struct AccessCodeText {
    QString text; // without leading zeros; "0" for an all-zero code
    bool exact;   // false: a nibble above 9, shown as 9
};
AccessCodeText accessCodeText(const AccessCodeBytes &bytes);

// What the EEPROM image held that its controls cannot show as stored.
struct SystemPanelEepromReport {
    std::array<bool, 2> accessCodeAdjusted{}; // edCode2, edCode3
};

QByteArray encodeSystemPanelEeprom(const SystemPanelSettings &settings);
SystemPanelEepromReport decodeSystemPanelEeprom(const QByteArray &image, SystemPanelSettings &settings);
QByteArray encodeSystemPanelMemory(const SystemPanelSettings &settings);
MemoryDecodeReport decodeSystemPanelMemory(const QByteArray &image, SystemPanelSettings &settings);

// The factory images: every zone "замкнутий", everything else 0 (no remote panel, no module).
QByteArray defaultSystemPanelEeprom();
QByteArray defaultSystemPanelMemory();
