#pragma once

#include <QtGlobal>

#include <array>

// The memory map of the GSM module (type 26) and of the GSM.4 module (type 49): the GPRS
// settings travel field by field, each field a block with its own start address in the
// module's working memory. Both modules lay the blocks out alike; the GSM.4 adds its
// alarm-loop and CSD settings to the EEPROM image.

enum class GprsField {
    Identifier,
    HiddenCode,
    AccessPoint,
    AltAccessPoint,
    Ip,
    AltIp,
    PortPpk,
    AltPortPpk,
    PortPcs,
    AltPortPcs,
    Interval,
    AltInterval,
};
inline constexpr int kGprsFieldCount = 12;

// How a field's text is held in its block.
enum class GprsFieldKind {
    Digits,      // ASCII digits, left-padded with "0"
    AccessPoint, // code page 1251 text padded with 0xFF
    Ip,          // "192.168.001.001": 15 ASCII characters
    Interval,    // one byte, minutes
};

struct GprsBlock {
    GprsField field;
    GprsFieldKind kind;
    const char *objectName; // of the edit
    const char *label;
    int imageOffset;        // in the 132-byte memory image
    int length;             // bytes written into the module
    int storedLength;       // of them, the bytes that carry the field
    quint16 gsmAddress;     // GSM module, firmware versions 1 and 2
    quint16 gsm4Address;    // GSM.4 module, both versions
};

// In the order the blocks travel, which is also the order of the controls and the report.
const std::array<GprsBlock, kGprsFieldCount> &gprsBlocks();
const GprsBlock &gprsBlock(GprsField field);

// Firmware version 4 of the GSM module keeps every block 0x0500 lower than versions 1 and 2.
inline constexpr quint8 kGsmShiftedVersion = 4;
inline constexpr quint16 kGsmVersion4Shift = 0x0500;
quint16 gsmBlockAddress(const GprsBlock &block, quint8 version);

namespace gsmimage {
inline constexpr int kMemorySize = 132;
// A device read asks for 32 bytes at every block's address; the last one (offset 129) ends
// at byte 160, inside this size. Only the first kMemorySize bytes carry settings.
inline constexpr int kReadMemorySize = 162;
inline constexpr int kReadRequestSize = 32;
inline constexpr int kMemoryChunk = 64;
inline constexpr int kEepromChunk = 16;
inline constexpr char kPadding = '\xFF';
inline constexpr int kDigitFieldWidth = 4;
inline constexpr int kLongIdentifierWidth = 6; // the GSM.4 module's "ЗМУ-С112.4" variant
inline constexpr int kIpTextLength = 15;
inline constexpr int kAccessPointBytes = 32;
inline constexpr int kAccessPointMaxLength = 30;
inline constexpr int kIntervalMaxMinutes = 240;

// Both modules' EEPROM image starts at EEPROM address 0x0040; EEPROM 0x00FE holds the GSM
// module's constant 0x0F and the GSM.4 module's variant marker.
inline constexpr quint16 kEepromAddress = 0x0040;
inline constexpr quint16 kMarkerAddress = 0x00FE;
} // namespace gsmimage

// GSM module (type 26): a 2-byte EEPROM image.
namespace gsm {
inline constexpr quint8 kTypeCode = 26;
inline constexpr int kEepromSize = 2;
inline constexpr quint8 kEepromLead = 0x01;
inline constexpr quint8 kChannelCsd = 0x00;
inline constexpr quint8 kChannelGprs = 0x02;
inline constexpr char kConstantMarker = '\x0F'; // EEPROM 0x00FE on every write
} // namespace gsm

// GSM.4 module (type 49): a 54-byte EEPROM image, bytes 0 to 52 at EEPROM 0x0040 to
// 0x0074 and byte 53 at 0x00FE.
namespace gsm4 {
inline constexpr quint8 kTypeCode = 49;
inline constexpr int kEepromSize = 54;
inline constexpr int kObjectNumber = 0;  // 2 bytes, high byte first
inline constexpr int kProtocol = 2;
inline constexpr int kChannel = 3;
inline constexpr int kActiveLevels = 4;
inline constexpr int kInputTypes = 6;
inline constexpr int kTelephones[] = {7, 16}; // 9 bytes each
inline constexpr int kTelephoneBytes = 9;
inline constexpr int kDialInterval = 26;
inline constexpr int kEventCodes = 27; // 13 codes of 2 bytes
inline constexpr int kEventCodeCount = 13;
inline constexpr int kMarker = 53;
inline constexpr int kFirstBlockLength = kMarker; // bytes 0 to 52 at EEPROM 0x0040
inline constexpr quint8 kChannelCsd = 0x04;
inline constexpr quint8 kChannelGprs = 0x02;
inline constexpr quint8 kProtocolV110 = 0x01;
inline constexpr quint8 kMarkerGsm4 = 0x0F;
inline constexpr quint8 kMarkerS112 = 0xF0;
} // namespace gsm4
