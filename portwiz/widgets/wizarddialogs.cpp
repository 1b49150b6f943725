#include "wizarddialogs.h"

#include "messages.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon messageBoxIcon(WizardDialogs::Icon icon)
{
  switch (icon) {
  case WizardDialogs::Icon::None:
    break;
  case WizardDialogs::Icon::Information:
    return QMessageBox::Information;
  case WizardDialogs::Icon::Warning:
    return QMessageBox::Warning;
  case WizardDialogs::Icon::Error:
    return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

} // namespace

void QtWizardDialogs::showMessage(const QString &text, Icon icon)
{
  QMessageBox box(messageBoxIcon(icon), QString::fromLatin1(kWizardTitle), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

bool QtWizardDialogs::askYesNo(const QString &text)
{
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(kWizardTitle), text, QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtWizardDialogs::pickFolder(const QString &title, const QString &startFolder)
{
  const QString folder = QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, startFolder);
  if (folder.isEmpty())
    return std::nullopt;
  return folder;
}
