#pragma once

#include "wizardpage.h"

// Page 4: the company's names, the INF file name and the USB identifiers.
class CompanyPage final : public WizardPage
{
  Q_OBJECT

public:
  explicit CompanyPage(QWidget *parent = nullptr);

  void showSettings(const PackageSettings &settings) override;
  void storeSettings(PackageSettings &settings) const override;
  bool acceptSettings(PackageSettings &settings, WizardDialogs &dialogs) override;

private:
  LabelledField m_companyName;
  LabelledField m_abbreviation;
  LabelledField m_infName;
  LabelledField m_vid;
  LabelledField m_pid;
};

// Page 5: the name Windows shows for the device.
class DeviceNamePage final : public WizardPage
{
  Q_OBJECT

public:
  explicit DeviceNamePage(QWidget *parent = nullptr);

  void showSettings(const PackageSettings &settings) override;
  void storeSettings(PackageSettings &settings) const override;
  bool acceptSettings(PackageSettings &settings, WizardDialogs &dialogs) override;

private:
  LabelledField m_deviceName;
};

// Page 6: the installed program's name and the installer's file name.
class ProductPage final : public WizardPage
{
  Q_OBJECT

public:
  explicit ProductPage(QWidget *parent = nullptr);

  void showSettings(const PackageSettings &settings) override;
  void storeSettings(PackageSettings &settings) const override;
  bool acceptSettings(PackageSettings &settings, WizardDialogs &dialogs) override;

private:
  LabelledField m_productName;
  LabelledField m_installerName;
};
