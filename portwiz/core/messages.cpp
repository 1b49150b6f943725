#include "messages.h"

QString directoryNameMessage(QChar separator)
{
  const QChar refusedSlash = separator == u'\\' ? u'/' : u'\\';
  return QStringLiteral("Directory cannot contain: %1 : * ? \" < > |").arg(refusedSlash);
}

QString entryFaultMessage(const QString &fieldName, EntryFault fault)
{
  switch (fault) {
  case EntryFault::None:
    break;
  case EntryFault::ControlCharacter:
    return QStringLiteral("%1 cannot contain tabs, line breaks or other control characters.").arg(fieldName);
  case EntryFault::DoubleQuote:
    return QStringLiteral("%1 cannot contain a double quote (\").").arg(fieldName);
  case EntryFault::ForbiddenCharacter:
    return QStringLiteral("%1 cannot contain any of: \\ / : * ? \" < > |").arg(fieldName);
  case EntryFault::ReservedName:
    return QStringLiteral("%1 cannot be a name Windows keeps for a device: CON, PRN, AUX, NUL, COM1 to COM9 "
                          "or LPT1 to LPT9, with or without an extension.").arg(fieldName);
  case EntryFault::TrailingDotOrBlank:
    return QStringLiteral("%1 cannot end with a dot or a blank.").arg(fieldName);
  case EntryFault::NotADirectoryName:
    return directoryNameMessage(u'\\');
  case EntryFault::Unfilled:
    return QString::fromLatin1(kFillInAllBlanks);
  }
  return QString();
}
