#include "hostpaths.h"

#include <QDir>

#ifdef Q_OS_WIN
#include <qt_windows.h>

QString defaultPackageRoot()
{
  wchar_t windowsFolder[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(windowsFolder, MAX_PATH);
  return QString::fromWCharArray(windowsFolder, int(length)).left(3);
}
#else
QString defaultPackageRoot()
{
  return QDir::homePath() + u'/';
}
#endif

QChar hostSeparator()
{
  return QDir::separator();
}

QString hostPath(const QString &path)
{
  return QDir::toNativeSeparators(path);
}

QString withTrailingSeparator(const QString &hostPathText)
{
  return hostPathText.endsWith(hostSeparator()) ? hostPathText : hostPathText + hostSeparator();
}
