#include "ansitext.h"

#include <array>

namespace {

// Code page 1252 bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves undefined.
// The other bytes are Latin-1.
constexpr std::array<char16_t, 32> kHighControlBlock = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char windows1252Byte(char16_t c)
{
  const bool inC1Block = c >= 0x80 && c < 0xA0;
  if (c < 0x100 && !inC1Block)
    return char(c);
  for (std::size_t i = 0; i < kHighControlBlock.size(); ++i) {
    if (kHighControlBlock[i] == c && c != 0)
      return char(0x80 + i);
  }
  return '?';
}

} // namespace

QByteArray toWindows1252(const QString &text)
{
  QByteArray bytes;
  bytes.reserve(text.size());
  for (const QChar c : text)
    bytes.append(windows1252Byte(c.unicode()));
  return bytes;
}
