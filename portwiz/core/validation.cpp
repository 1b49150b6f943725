#include "validation.h"

#include "packagesettings.h"

#include <algorithm>

namespace {

bool isUpperHexDigit(QChar c)
{
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

} // namespace

std::optional<QString> usbIdFromEntry(const QString &text)
{
  const QString digits = text.trimmed().toUpper();
  if (digits.size() > kUsbIdLength || !std::all_of(digits.cbegin(), digits.cend(), isUpperHexDigit))
    return std::nullopt;
  return digits.rightJustified(kUsbIdLength, u'0');
}

bool isValidDirectoryName(const QString &text, QChar separator)
{
  // Windows refuses control characters in names, and a line end would break setup.ini: they
  // are refused before the blanks around the name (line ends among them) are let go.
  if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x20; }))
    return false;
  const QString name = text.trimmed();
  if (name.isEmpty())
    return false;
  const QChar refusedSlash = separator == u'\\' ? u'/' : u'\\';
  for (qsizetype i = 0; i < name.size(); ++i) {
    const QChar c = name.at(i);
    if (QStringView(u"\"*<>?|").contains(c) || c == refusedSlash)
      return false;
    const bool beforeSeparator = i + 1 < name.size() && name.at(i + 1) == separator;
    if (c == u':' && !beforeSeparator)
      return false;
  }
  return true;
}

bool breaksQuotedInfString(const QString &text)
{
  return text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r');
}

bool isValidFileName(const QString &text)
{
  return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
    return c.unicode() < 0x20 || QStringView(u"\\/:*?\"<>|").contains(c);
  });
}
