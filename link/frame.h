#pragma once

#include <QByteArray>
#include <cstdint>

// Frame on the wire (requests and replies alike, multi-byte values little-endian):
//   [0] start byte 0xC6  [1] addressee  [2] total length incl. start byte and CRC
//   [3] command          [4 .. len-2] payload           [len-1] CRC-8
namespace frame {

inline constexpr quint8 kStartByte = 0xC6;
inline constexpr quint8 kAddrDevice = 0x01;
inline constexpr quint8 kAddrConfigurator = 0x07;
inline constexpr int kHeaderSize = 4;   // start, addressee, length, command
inline constexpr int kOverhead = 5;     // header + CRC
inline constexpr int kMinSize = 5;
inline constexpr int kMaxSize = 255;
inline constexpr int kMaxPayload = kMaxSize - kOverhead;

// Device commands (addressee 0x01).
inline constexpr quint8 kCmdSetAddress = 0x01;
inline constexpr quint8 kCmdWriteMemory = 0x02;
inline constexpr quint8 kCmdWriteEeprom = 0x03;
inline constexpr quint8 kCmdReadEepromByte = 0x05;
inline constexpr quint8 kCmdReadMemory = 0x06;
inline constexpr quint8 kCmdIdentify = 0x07;
inline constexpr quint8 kCmdRegularMode = 0x08;
inline constexpr quint8 kCmdShortWrite = 0x09;
inline constexpr quint8 kCmdShortRead = 0x0A;
inline constexpr quint8 kCmdClockRead = 0x0B;
inline constexpr quint8 kCmdClockWrite = 0x0C;
inline constexpr int kClockBytes = 7; // a clock write's payload and a clock read's reply data

// Configurator commands (addressee 0x07).
inline constexpr quint8 kCmdStoreDescriptor = 0x01;
inline constexpr quint8 kCmdStoreData = 0x02;
inline constexpr quint8 kCmdReadStore = 0x03;

// Dallas/Maxim 1-Wire CRC-8: polynomial x^8+x^5+x^4+1, LSB first (reflected 0x8C),
// initial value 0, no final inversion.
quint8 crc8(const char *data, qsizetype size);
inline quint8 crc8(const QByteArray &bytes) { return crc8(bytes.constData(), bytes.size()); }

// Builds a complete frame; payload must not exceed kMaxPayload bytes.
QByteArray make(quint8 addressee, quint8 command, const QByteArray &payload);

// Little-endian 16-bit value as two bytes.
QByteArray word(quint16 value);

// The reply's last byte is the CRC of the bytes before it.
bool checksumIsGood(const QByteArray &reply);

// A reply is good when its last byte is the CRC of the bytes before it and its command
// byte equals the request's. Addressee and length are not compared.
bool replyIsGood(const QByteArray &reply, const QByteArray &request);

inline quint8 byteAt(const QByteArray &bytes, qsizetype index)
{
    return static_cast<quint8>(bytes.at(index));
}

} // namespace frame
