#pragma once

#include "wizardpage.h"

class QRadioButton;

// Page 1: which driver set, and whether an executable installer is built.
class PackageTypePage final : public WizardPage
{
  Q_OBJECT

public:
  explicit PackageTypePage(QWidget *parent = nullptr);

  void showSettings(const PackageSettings &settings) override;
  void storeSettings(PackageSettings &settings) const override;
  bool acceptSettings(PackageSettings &settings, WizardDialogs &dialogs) override;

Q_SIGNALS:
  // Both take effect at once, not only on "Next >".
  void driverTypeChosen(DriverType type);
  void installerChoiceChanged(bool generateInstaller);

private:
  QRadioButton *m_serialPort;
  QRadioButton *m_directAccess;
  QRadioButton *m_installer;
  QRadioButton *m_infFilesOnly;
};

// Page 2: the custom package is no longer certified.
class CertificationPage final : public WizardPage
{
  Q_OBJECT

public:
  explicit CertificationPage(QWidget *parent = nullptr);

  void showSettings(const PackageSettings &) override {}
  void storeSettings(PackageSettings &) const override {}
};

// Page 3: the Windows versions the package is for.
class OperatingSystemPage final : public WizardPage
{
  Q_OBJECT

public:
  explicit OperatingSystemPage(QWidget *parent = nullptr);

  void showSettings(const PackageSettings &settings) override;
  void storeSettings(PackageSettings &settings) const override;

private:
  QRadioButton *m_windowsXpFamily;
  QRadioButton *m_windows7;
};
