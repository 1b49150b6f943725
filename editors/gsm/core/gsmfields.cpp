#include "gsmfields.h"

#include "cp1251.h"
#include "gsmsettings.h"
#include "panelencoding.h"

#include <algorithm>

namespace {

constexpr int kIpGroups = 4;
constexpr int kIpGroupDigits = 3;
constexpr int kIpGroupMax = 255;
constexpr int kDialIntervalDigits = 2;
constexpr quint8 kUnreadableDialInterval = 1;
constexpr int kMaxDialIntervalDigits = 8; // what a 32-bit value holds
constexpr QChar kPadDigit = u'0';

bool isDecimal(char c)
{
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c)
{
    return isDecimal(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool allOf(const QByteArray &bytes, bool (*test)(char))
{
    return std::all_of(bytes.begin(), bytes.end(), test);
}

QByteArray beforeNul(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return end < 0 ? bytes : bytes.left(end);
}

QString upperHex(uint value)
{
    return QString::number(value, 16).toUpper();
}

} // namespace

QByteArray digitFieldBytes(const QString &text, int width)
{
    return text.rightJustified(width, kPadDigit, true).toLatin1();
}

StoredText digitFieldText(const QByteArray &bytes, bool hexLetters)
{
    if (allOf(bytes, [](char c) { return c == '\0'; }))
        return {};
    if (allOf(bytes, isDecimal))
        return {QString::number(bytes.toLongLong())};
    const bool typeable = hexLetters && allOf(bytes, isHexDigit);
    return {QString::fromLatin1(bytes), !typeable};
}

QString normalisedIp(const QString &text)
{
    QString rest = text;
    rest.remove(u' ');
    QStringList groups;
    for (int i = 0; i < kIpGroups; ++i) {
        const qsizetype dot = i + 1 < kIpGroups ? rest.indexOf(u'.') : -1;
        const QString group = dot < 0 ? rest : rest.left(dot);
        rest = dot < 0 ? QString() : rest.mid(dot + 1);
        groups.append(group.rightJustified(kIpGroupDigits, kPadDigit, true));
    }
    return groups.join(u'.');
}

bool isValidIp(const QString &text)
{
    const QStringList groups = normalisedIp(text).split(u'.');
    return groups.size() == kIpGroups && std::all_of(groups.begin(), groups.end(), [](const QString &g) {
               bool ok = false;
               const int value = g.toInt(&ok, 10);
               return ok && !g.startsWith(u'+') && !g.startsWith(u'-') && value <= kIpGroupMax;
           });
}

QString ipText(const QByteArray &bytes)
{
    return QString::fromLatin1(beforeNul(bytes));
}

bool accessPointHolds(QChar ch)
{
    const std::optional<char> byte = cp1251Byte(ch);
    return byte && *byte != gsmimage::kPadding;
}

const KeyFilter &accessPointKeyFilter()
{
    static const KeyFilter filter{accessPointHolds,
                                  QStringLiteral("Цей символ не можна записати в точку доступу.")};
    return filter;
}

QByteArray accessPointBytes(const QString &text)
{
    QByteArray bytes;
    for (QChar ch : text) {
        if (accessPointHolds(ch))
            bytes.append(*cp1251Byte(ch));
    }
    bytes.truncate(gsmimage::kAccessPointBytes);
    return bytes.leftJustified(gsmimage::kAccessPointBytes, gsmimage::kPadding);
}

QString accessPointText(const QByteArray &bytes)
{
    QByteArray text = beforeNul(bytes);
    text.replace(QByteArray(1, gsmimage::kPadding), QByteArray());
    return fromCp1251(text);
}

quint8 intervalByte(const QString &text)
{
    bool ok = false;
    const int minutes = text.toInt(&ok, 10);
    return ok ? quint8(std::clamp(minutes, 0, 0xFF)) : 0;
}

QString intervalText(quint8 byte)
{
    return QString::number(byte);
}

std::optional<QString> clampedInterval(const QString &text)
{
    bool ok = false;
    const int minutes = text.toInt(&ok, 10);
    if (!ok || minutes <= gsmimage::kIntervalMaxMinutes)
        return std::nullopt;
    return QString::number(gsmimage::kIntervalMaxMinutes);
}

QString objectNumberText(const QByteArray &image, int offset)
{
    const quint16 value = readWord(image, offset);
    return value == 0 ? QString() : upperHex(value);
}

quint8 dialIntervalByte(const QString &text)
{
    const QString digits = text.rightJustified(kDialIntervalDigits, kPadDigit);
    const std::optional<quint32> value = hexValue(digits, kMaxDialIntervalDigits);
    return value ? quint8(*value) : kUnreadableDialInterval;
}

QString dialIntervalText(quint8 byte)
{
    return upperHex(byte);
}

StoredText eventCodeText(const QByteArray &image, int offset)
{
    const QString code = readAccessCode(image, offset, kEventCodeFormat);
    return {code, code.size() > kEventCodeFormat.digits};
}

QByteArray gsm4TelephoneBytes(const QString &codeString)
{
    return packedHexDigits(codeString, gsm4::kTelephoneBytes, NibbleOrder::HighFirst);
}

TelephoneNumber gsm4TelephoneAt(const QByteArray &image, int offset)
{
    const QString codeString = hexDigitsAt(image, offset, gsm4::kTelephoneBytes, NibbleOrder::HighFirst);
    return {digitsBeforeEnd(codeString), codeString};
}
