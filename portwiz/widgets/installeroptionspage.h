#pragma once

#include "wizardpage.h"

class QCheckBox;
class QComboBox;
class QGridLayout;

// Page 7: how the installer and the uninstaller behave, and where the driver files are copied.
class InstallerOptionsPage final : public WizardPage
{
  Q_OBJECT

public:
  // The "?" buttons show their help through the dialogs.
  explicit InstallerOptionsPage(WizardDialogs &dialogs, QWidget *parent = nullptr);

  void showSettings(const PackageSettings &settings) override;
  void storeSettings(PackageSettings &settings) const override;
  bool acceptSettings(PackageSettings &settings, WizardDialogs &dialogs) override;

private:
  QWidget *createInstallerGroup();
  QWidget *createUninstallerGroup();
  void addHelpButton(QGridLayout *grid, int row, const char *objectName, const char *helpText);
  void showRelativeInstall(int index);

  WizardDialogs &m_dialogs;
  QCheckBox *m_displayInstall = nullptr;
  QCheckBox *m_copyFiles = nullptr;
  QComboBox *m_relativeInstall = nullptr;
  QLabel *m_targetPrefix = nullptr;
  QLineEdit *m_targetDirectory = nullptr;
  QCheckBox *m_displayUninstall = nullptr;
  QCheckBox *m_removeFiles = nullptr;
};
