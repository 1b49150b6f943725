#include "panelencoding.h"

#include <algorithm>
#include <optional>

namespace {

constexpr QChar kEndDigit = u'D';
constexpr QChar kToneDigit = u'E';
constexpr QChar kPauseDigit = u'B';
constexpr QChar kDialToneDigit = u'C';
constexpr QChar kPauseKey = u'+';
constexpr QChar kDialToneKey = u'*';

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// The value of 1 to maxDigits hexadecimal digits and nothing else.
std::optional<quint32> parseHex(const QString &text, int maxDigits)
{
    if (text.isEmpty() || text.size() > maxDigits)
        return std::nullopt;
    quint32 value = 0;
    for (QChar c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + quint32(digit);
    }
    return value;
}

QString upperHex(uint value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

QChar hexDigit(int value)
{
    return QLatin1Char("0123456789ABCDEF"[value & 0xF]);
}

bool isAllZeros(const QString &digits)
{
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == u'0'; });
}

} // namespace

quint8 byteAt(const QByteArray &image, int index)
{
    return index >= 0 && index < image.size() ? quint8(image.at(index)) : 0;
}

void putByte(QByteArray &image, int index, quint8 value)
{
    if (index >= 0 && index < image.size())
        image[index] = char(value);
}

void putBytes(QByteArray &image, int index, const QByteArray &bytes)
{
    for (int i = 0; i < bytes.size(); ++i)
        putByte(image, index + i, quint8(bytes.at(i)));
}

quint16 readZoneSet(const QByteArray &image, int offset, int width)
{
    quint16 zones = 0;
    for (int i = 0; i < width; ++i)
        zones |= quint16(byteAt(image, offset + i) << (8 * i));
    return zones;
}

void writeZoneSet(QByteArray &image, int offset, int width, quint16 zones)
{
    for (int i = 0; i < width; ++i)
        putByte(image, offset + i, quint8(zones >> (8 * i)));
}

quint16 readWord(const QByteArray &image, int offset)
{
    return quint16(byteAt(image, offset) << 8 | byteAt(image, offset + 1));
}

void writeWord(QByteArray &image, int offset, quint16 value)
{
    putByte(image, offset, quint8(value >> 8));
    putByte(image, offset + 1, quint8(value));
}

std::optional<quint32> hexValue(const QString &text, int maxDigits)
{
    return parseHex(text, maxDigits);
}

quint8 hexPairValue(const QString &text)
{
    return quint8(parseHex(text, 2).value_or(0));
}

QString hexPairText(quint8 value)
{
    return value == 0 ? QString() : upperHex(value, 2);
}

quint16 hexWordValue(const QString &text, quint16 defaultValue)
{
    return quint16(parseHex(text, 4).value_or(defaultValue));
}

QString hexWordText(quint16 value)
{
    return value == 0 ? QString() : upperHex(value, 4);
}

void writeAccessCode(QByteArray &image, int offset, const AccessCodeFormat &format,
                     const QString &text)
{
    const int bytes = format.bytes();
    const quint32 value = parseHex(text, 2 * bytes).value_or(format.emptyValue);
    for (int i = 0; i < bytes; ++i)
        putByte(image, offset + i, quint8(value >> (8 * (bytes - 1 - i))));
}

QString readAccessCode(const QByteArray &image, int offset, const AccessCodeFormat &format)
{
    QString text;
    for (int i = 0; i < format.bytes(); ++i)
        text += upperHex(byteAt(image, offset + i), 2);
    if (isAllZeros(text))
        return format.shownAsNumber ? QStringLiteral("0") : QString();
    if (format.shownAsNumber)
        return text.mid(std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c != u'0'; }) - text.cbegin());
    if (text.size() > format.digits && text.startsWith(u'0'))
        text.remove(0, 1);
    return text;
}

QString addressText(quint8 value)
{
    return upperHex(value, 2);
}

quint8 bcdByte(int count)
{
    const int bounded = std::clamp(count, 0, 99);
    return quint8((bounded / 10) << 4 | bounded % 10);
}

BcdValue decodeBcd(quint8 byte)
{
    const int tens = byte >> 4;
    const int units = byte & 0xF;
    return BcdValue{std::min(tens, 9) * 10 + std::min(units, 9), tens <= 9 && units <= 9};
}

QString telephoneCodeString(const QString &text, bool tone)
{
    QString digits;
    if (tone)
        digits += kToneDigit;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += c;
        else if (c == kPauseKey)
            digits += kPauseDigit;
        else if (c == kDialToneKey)
            digits += kDialToneDigit;
    }
    digits.truncate(kTelephoneDigits);
    if (digits.size() < kTelephoneDigits)
        digits = (digits + kEndDigit).leftJustified(kTelephoneDigits, u'0');
    return digits;
}

QByteArray packedHexDigits(const QString &digits, int bytes, NibbleOrder order)
{
    QByteArray packed(bytes, '\0');
    const bool wellFormed = digits.size() == 2 * bytes
        && std::all_of(digits.begin(), digits.end(), [](QChar c) { return hexDigitValue(c) >= 0; });
    if (!wellFormed)
        return packed;
    const bool lowFirst = order == NibbleOrder::LowFirst;
    for (int i = 0; i < bytes; ++i) {
        const int first = hexDigitValue(digits.at(2 * i));
        const int second = hexDigitValue(digits.at(2 * i + 1));
        packed[i] = char(lowFirst ? second << 4 | first : first << 4 | second);
    }
    return packed;
}

QString hexDigitsAt(const QByteArray &image, int offset, int bytes, NibbleOrder order)
{
    const bool lowFirst = order == NibbleOrder::LowFirst;
    QString digits;
    for (int i = 0; i < bytes; ++i) {
        const quint8 byte = byteAt(image, offset + i);
        digits += hexDigit(lowFirst ? byte : byte >> 4);
        digits += hexDigit(lowFirst ? byte >> 4 : byte);
    }
    return digits;
}

QString digitsBeforeEnd(const QString &digits)
{
    QString number = digits.toUpper();
    const qsizetype end = number.indexOf(kEndDigit);
    if (end >= 0)
        number.truncate(end);
    return isAllZeros(number) ? QString() : number;
}

QString endFilledDigits(const QString &text, int digits)
{
    return text.leftJustified(digits, kEndDigit, true);
}

QByteArray telephoneBytes(const QString &codeString)
{
    return packedHexDigits(codeString, kTelephoneBytes, NibbleOrder::LowFirst);
}

QString telephoneCodeStringAt(const QByteArray &image, int offset)
{
    return hexDigitsAt(image, offset, kTelephoneBytes, NibbleOrder::LowFirst);
}

TelephoneDisplay telephoneDisplay(const QString &codeString)
{
    QString number = digitsBeforeEnd(codeString);
    number.replace(kPauseDigit, kPauseKey).replace(kDialToneDigit, kDialToneKey);
    const bool tone = number.contains(kToneDigit);
    number.remove(kToneDigit);
    return TelephoneDisplay{number, tone};
}
