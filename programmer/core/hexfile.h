#pragma once

#include "hexrecord.h"
#include "packets.h"

#include <QList>
#include <QString>

// Firmware from an Intel HEX file, as the programmer sends it. Data records below 0x0800
// and records whose bytes are all 0xFF (erased flash) are not written.
struct HexFirmware {
    QList<THexData> lines;  // one block per written data record: written into the device
    QList<THexData> merged; // records cut and joined into blocks of at most 24 bytes: written to the configurator
    // The target named by the record at 0x0800 (its data bytes 4 and 5).
    bool hasTarget = false;
    quint8 deviceType = 0;
    quint8 variant = 0;
    // CRC-32 of the data of every record at 0x0800 and above, erased ones included, in
    // the order of the file: for a file made from one binary image, that image's CRC-32.
    quint32 crc32 = 0;
};

inline constexpr quint16 kFirstFirmwareAddress = 0x0800;
inline constexpr int kMergedBlockLimit = 24;
// Firmware filling the whole 16-bit space takes a few hundred kilobytes of HEX text.
inline constexpr qint64 kMaxHexFileSize = 4 * 1024 * 1024;

struct HexParseResult {
    HexFirmware firmware; // empty when the file is refused
    HexError error;
    bool ok() const { return error.reason == HexError::Reason::None; }
};

// Checks every record of the text; one bad record refuses the whole file. Lines end in
// LF or CR LF; blank lines are skipped; the end-of-file record must be the last record.
HexParseResult parseHex(QByteArrayView text);

struct HexFile {
    qint64 size = 0;
    HexParseResult parsed;
};

// Reads and parses the file; one above kMaxHexFileSize is refused before it is read.
HexFile readHexFile(const QString &path);

// The device addresses and bytes the device list writes.
struct FirmwareExtent {
    int first = 0; // lowest address written
    int last = -1; // highest address written; below `first` when nothing is written
    qint64 bytes = 0;
};
FirmwareExtent extentOf(const QList<THexData> &blocks);
