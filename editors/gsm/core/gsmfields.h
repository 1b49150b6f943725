#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include "panelencoding.h"
#include "proc.h"
#include "telephonenumber.h"

#include <optional>

// Field encodings of the GSM modules' images.

// A field's text as read back from the image. `asStored`: the bytes do not read as the
// field's form and the text shows them as they are.
struct StoredText {
    QString text;
    bool asStored = false;
};

// Digit fields (identifier, hidden code, ports): ASCII characters, the text left-padded
// with "0" to `width`; empty text stores as zeros ("0000").
QByteArray digitFieldBytes(const QString &text, int width);
// All 0x00 shows nothing; ASCII digits show as a number without leading zeros ("0012" is
// "12"); anything else shows as stored. Hexadecimal letters, which the GSM.4 editor lets the
// user type, are not marked when `hexLetters` is set.
StoredText digitFieldText(const QByteArray &bytes, bool hexLetters);

// IP addresses: the text with its spaces removed is split at its first three dots into
// four groups, each left-padded with "0" to three digits (cut to three), an empty group and
// a missing one giving "000": 192.168.1.1 gives 192.168.001.001.
QString normalisedIp(const QString &text);
// The stored 15 characters, up to a 0x00, as the masked field's text.
QString ipText(const QByteArray &bytes);
// The normalised text has four groups of decimal digits, each 0 to 255.
bool isValidIp(const QString &text);

// Access points: code page 1251 text padded with 0xFF to 32 bytes. 0xFF being the padding,
// the letter "я" (0xFF in the code page) cannot be kept, and neither can a character the
// code page lacks: the edit refuses both.
bool accessPointHolds(QChar ch);
const KeyFilter &accessPointKeyFilter();
QByteArray accessPointBytes(const QString &text);
// Every 0xFF removed; a 0x00 ends the text (a module never written holds zeros).
QString accessPointText(const QByteArray &bytes);

// Test-message intervals: one byte of minutes; empty text stores 0.
quint8 intervalByte(const QString &text);
QString intervalText(quint8 byte);
// After a key release: a value above 240 minutes becomes "240"; nothing when the text stands.
std::optional<QString> clampedInterval(const QString &text);

// GSM.4 object number: hexadecimal digits stored as a word, high byte first (typed decimal
// digits become packed decimal: 1234 is 0x12 0x34). Shown as the word's hexadecimal digits
// without leading zeros, empty for 0, so that any stored word reads back unchanged.
inline constexpr AccessCodeFormat kObjectNumberFormat{4, 0};
QString objectNumberText(const QByteArray &image, int offset);

// GSM.4 dial interval: the text left-padded with "0" to two digits, read as hexadecimal,
// its low byte stored (12 is 0x12, 150 is 0x50); unreadable text stores 1. Shown as the
// byte's hexadecimal digits without leading zeros ("0" for 0).
quint8 dialIntervalByte(const QString &text);
QString dialIntervalText(quint8 byte);

// GSM.4 event codes, two bytes: up to three digits, the first in the first byte and the
// last two packed in the second; empty text stores 0x00 0x00, which shows nothing; code 7
// shows as "007". A first byte above 0x0F shows in full and is marked.
inline constexpr AccessCodeFormat kEventCodeFormat{3, 0};
StoredText eventCodeText(const QByteArray &image, int offset);

// GSM.4 telephones: 18 digits (the code string) stored high nibble first in 9 bytes.
QByteArray gsm4TelephoneBytes(const QString &codeString);
TelephoneNumber gsm4TelephoneAt(const QByteArray &image, int offset);
