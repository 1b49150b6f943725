#include "validation.h"

#include "packagesettings.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

bool isUpperHexDigit(QChar c)
{
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

// Windows opens these as devices whatever extension follows, and ignores blanks before it.
bool isReservedDeviceName(const QString &name)
{
  static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]) *(\\..*)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
  return reserved.match(name).hasMatch();
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
  if (containsControlCharacter(text))
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

bool containsControlCharacter(const QString &text)
{
  return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
  });
}

EntryFault quotedNameFault(const QString &text)
{
  if (containsControlCharacter(text))
    return EntryFault::ControlCharacter;
  return text.contains(u'"') ? EntryFault::DoubleQuote : EntryFault::None;
}

EntryFault fileNameFault(const QString &text)
{
  if (text.isEmpty())
    return EntryFault::Unfilled;
  if (containsControlCharacter(text))
    return EntryFault::ControlCharacter;
  if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return QStringView(u"\\/:*?\"<>|").contains(c); }))
    return EntryFault::ForbiddenCharacter;
  if (text.endsWith(u'.') || text.endsWith(u' '))
    return EntryFault::TrailingDotOrBlank;
  return isReservedDeviceName(text) ? EntryFault::ReservedName : EntryFault::None;
}

EntryFault directoryFault(const QString &text, QChar separator)
{
  if (containsControlCharacter(text))
    return EntryFault::ControlCharacter;
  return isValidDirectoryName(text, separator) ? EntryFault::None : EntryFault::NotADirectoryName;
}

std::optional<SettingsFault> packageSettingsFault(const PackageSettings &settings)
{
  const bool writesInstaller = settings.generateInstaller;
  const bool writesTarget = writesInstaller && settings.copyFiles;
  const auto isUsbId = [](const QString &id) { return usbIdFromEntry(id) == id; };
  const std::pair<QString, EntryFault> entries[] = {
      {QStringLiteral("Company Name"), quotedNameFault(settings.companyName)},
      {QStringLiteral("File Name for .inf"), fileNameFault(settings.infName)},
      {QStringLiteral("VID"), isUsbId(settings.vid) ? EntryFault::None : EntryFault::Unfilled},
      {QStringLiteral("PID"), isUsbId(settings.pid) ? EntryFault::None : EntryFault::Unfilled},
      {QStringLiteral("Device Name"), quotedNameFault(settings.deviceName)},
      {QStringLiteral("Product Name"), writesInstaller ? quotedNameFault(settings.productName) : EntryFault::None},
      {QStringLiteral("Name for Installation File"),
       writesInstaller ? fileNameFault(settings.installerName) : EntryFault::None},
      {QStringLiteral("Target Directory"),
       writesTarget ? directoryFault(settings.targetDirectory, u'\\') : EntryFault::None},
  };
  for (const auto &[fieldName, fault] : entries) {
    if (fault != EntryFault::None)
      return SettingsFault{fieldName, fault};
  }
  return std::nullopt;
}
