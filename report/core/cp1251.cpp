#include "cp1251.h"

#include <algorithm>
#include <array>

namespace {

constexpr char16_t kFirstUpperBytes = 0x80;
constexpr char16_t kFirstCyrillicByte = 0xC0; // 0xC0 to 0xFF are А to я, U+0410 to U+044F
constexpr char16_t kCyrillicA = 0x0410;
constexpr char16_t kCyrillicCount = 0x100 - kFirstCyrillicByte;

// Characters of bytes 0x80 to 0xBF.
constexpr std::array<char16_t, kFirstCyrillicByte - kFirstUpperBytes> kUpperBytes{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 0x98 is unassigned
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // 0xB8
};

char16_t characterOf(quint8 byte)
{
    if (byte < kFirstUpperBytes)
        return byte;
    if (byte < kFirstCyrillicByte)
        return kUpperBytes[byte - kFirstUpperBytes];
    return char16_t(kCyrillicA + (byte - kFirstCyrillicByte));
}

} // namespace

std::optional<char> cp1251Byte(QChar ch)
{
    const char16_t unit = ch.unicode();
    if (unit < kFirstUpperBytes)
        return char(unit);
    if (unit >= kCyrillicA && unit < kCyrillicA + kCyrillicCount)
        return char(kFirstCyrillicByte + (unit - kCyrillicA));
    const auto found = std::find(kUpperBytes.begin(), kUpperBytes.end(), unit);
    if (found == kUpperBytes.end())
        return std::nullopt;
    return char(kFirstUpperBytes + (found - kUpperBytes.begin()));
}

std::optional<QByteArray> toCp1251(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text) {
        const std::optional<char> byte = cp1251Byte(ch);
        if (!byte)
            return std::nullopt;
        bytes.append(*byte);
    }
    return bytes;
}

QString fromCp1251(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes)
        text.append(QChar(characterOf(quint8(byte))));
    return text;
}
