#include "targetdirectory.h"

namespace {

const QString kDrive = QStringLiteral("C:\\");

} // namespace

QString targetPrefixLabel(RelativeInstall relativeInstall)
{
  switch (relativeInstall) {
  case RelativeInstall::ProgramFiles:
    return kDrive + QStringLiteral("Program Files\\");
  case RelativeInstall::WindowsDrive:
    return kDrive;
  case RelativeInstall::Explicit:
    break;
  }
  return QString();
}

QString adjustTargetDirectory(const QString &text, RelativeInstall relativeInstall)
{
  if (relativeInstall != RelativeInstall::Explicit)
    return QString(text).remove(kDrive);
  return text.contains(kDrive) ? text : kDrive + text;
}
