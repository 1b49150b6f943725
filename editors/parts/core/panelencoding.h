#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Field encodings of the panel images. Readers treat bytes beyond an image's end as 0;
// writers ignore positions outside the image.

quint8 byteAt(const QByteArray &image, int index);
void putByte(QByteArray &image, int index, quint8 value);
void putBytes(QByteArray &image, int index, const QByteArray &bytes);

// Zone sets: zone z (1-based) is bit z - 1. A two-byte set keeps zones 1 to 8 in its first
// byte and zones 9 to 16 in its second (low byte first).
inline quint16 zoneBit(int zone) { return quint16(1u << (zone - 1)); }
quint16 readZoneSet(const QByteArray &image, int offset, int width);
void writeZoneSet(QByteArray &image, int offset, int width, quint16 zones);

// Hex words are stored high byte first.
quint16 readWord(const QByteArray &image, int offset);
void writeWord(QByteArray &image, int offset, quint16 value);

// The value of 1 to `maxDigits` hexadecimal digits and nothing else.
std::optional<quint32> hexValue(const QString &text, int maxDigits);

// Hex pair: a byte edited as up to two hexadecimal digits; empty or unreadable text gives 0.
// Shown as two upper-case digits, or empty for 0.
quint8 hexPairValue(const QString &text);
QString hexPairText(quint8 value);

// Hex word: up to four hexadecimal digits; empty or unreadable text gives the field's default.
// Shown as four upper-case digits, or empty for 0.
quint16 hexWordValue(const QString &text, quint16 defaultValue);
QString hexWordText(quint16 value);

// Access code: up to `digits` decimal digits, the digits being the nibbles of (digits + 1) / 2
// bytes, most significant first (a 5-digit code's first digit is the low nibble of the first
// byte). Empty or unreadable text gives the code it stands for. Shown without the leading
// padding nibble, and empty when every digit is 0; or, shown as a number, without any leading
// zero and "0" when every digit is 0. Stored digits above 9 are shown as they are, so that the
// code is written back unchanged.
struct AccessCodeFormat {
    int digits;
    quint32 emptyValue;
    bool shownAsNumber = false;

    int bytes() const { return (digits + 1) / 2; }
};
void writeAccessCode(QByteArray &image, int offset, const AccessCodeFormat &format,
                     const QString &text);
QString readAccessCode(const QByteArray &image, int offset, const AccessCodeFormat &format);

// System address (edAddress): "0" and one digit, stored as the hex pair's value; shown as two
// hexadecimal digits so that any stored byte reads back unchanged.
QString addressText(quint8 value);

// BCD byte: a count 0 to 99 as two decimal digits, tens in the high nibble (23 is 0x23).
quint8 bcdByte(int count);
struct BcdValue {
    int value;  // a nibble above 9 reads as the nearest digit, 9
    bool valid; // both nibbles were decimal digits
};
BcdValue decodeBcd(quint8 byte);

// Hexadecimal digits packed two to a byte, the first of each pair in the low or the high
// nibble. A string that is not 2 x `bytes` hexadecimal digits packs as zero bytes.
enum class NibbleOrder { LowFirst, HighFirst };
QByteArray packedHexDigits(const QString &digits, int bytes, NibbleOrder order);
// The 2 x `bytes` upper-case digits held by the image bytes from `offset`.
QString hexDigitsAt(const QByteArray &image, int offset, int bytes, NibbleOrder order);
// The dialled part of a telephone's digits: those before the first end digit "D" (all of
// them when there is none); empty when they are all 0.
QString digitsBeforeEnd(const QString &digits);

// The code string of a number typed as digits only: its digits followed by the end digit
// "D" up to `digits` (cut to `digits`).
QString endFilledDigits(const QString &text, int digits);

// Telephone code string: 16 hexadecimal digits packed into 8 bytes, digit 1 in the low nibble
// of byte 0. Digits: 0 to 9 dialled, B pause 2 s ("+"), C wait for the dial tone ("*"),
// D end of number, E (first digit only) tone dialling.
inline constexpr int kTelephoneDigits = 16;
inline constexpr int kTelephoneBytes = 8;

// The code string for a telephone edit's text; characters that cannot be dialled are dropped.
QString telephoneCodeString(const QString &text, bool tone);
// 8 zero bytes for a string that is not 16 hexadecimal digits (an edit that never had one).
QByteArray telephoneBytes(const QString &codeString);
// The code string held by the 8 image bytes from `offset`.
QString telephoneCodeStringAt(const QByteArray &image, int offset);

struct TelephoneDisplay {
    QString text;
    bool tone;
};
TelephoneDisplay telephoneDisplay(const QString &codeString);
