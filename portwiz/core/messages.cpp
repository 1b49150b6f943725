#include "messages.h"

QString directoryNameMessage(QChar separator)
{
  const QChar refusedSlash = separator == u'\\' ? u'/' : u'\\';
  return QStringLiteral("Directory cannot contain: %1 : * ? \" < > |").arg(refusedSlash);
}

QString quotedNameMessage(const QString &fieldName)
{
  return QStringLiteral("%1 cannot contain a double quote (\") or a line break.").arg(fieldName);
}

QString fileNameMessage(const QString &fieldName)
{
  return QStringLiteral("%1 cannot contain any of: \\ / : * ? \" < > |").arg(fieldName);
}
