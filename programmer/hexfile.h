#pragma once

#include "packets.h"

#include <QList>
#include <QString>
#include <QStringList>

// Firmware from an Intel HEX file, as the programmer sends it. Only the record's address,
// length and data fields are read; records below address 0x0800 (the end record and the
// address-extension records among them) are skipped, so addresses are 16-bit.
struct HexFirmware {
    QList<THexData> lines;  // one block per accepted line: written into the device
    QList<THexData> merged; // consecutive lines joined up to 24 bytes: written to the configurator
    // The target named by the line at 0x0800 (data bytes 4 and 5).
    bool hasTarget = false;
    quint8 deviceType = 0;
    quint8 variant = 0;
};

inline constexpr quint16 kFirstFirmwareAddress = 0x0800;
inline constexpr int kMergedBlockLimit = 24;

// Adds one line of text to `firmware`.
void addHexLine(HexFirmware &firmware, const QString &line);
HexFirmware parseHex(const QStringList &lines);

// "КОРВЕЛ-4П (KVL4P-3)" for type 23 variant 3; empty for a type without a name.
QString firmwareDeviceName(quint8 deviceType, quint8 variant);

// The targets a port speed allows: 9600 the device only, 38400 the device and the
// configurator, any other speed none.
QStringList programmerTargets(qint32 baudRate);
