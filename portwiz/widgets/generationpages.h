#pragma once

#include "wizardpage.h"

class QPlainTextEdit;

// Page 8: the folder that receives the package.
class GenerationDirectoryPage final : public WizardPage
{
  Q_OBJECT

public:
  // "Browse..." opens the folder picker through the dialogs.
  explicit GenerationDirectoryPage(WizardDialogs &dialogs, QWidget *parent = nullptr);

  void showSettings(const PackageSettings &settings) override;
  void storeSettings(PackageSettings &settings) const override;
  bool acceptSettings(PackageSettings &settings, WizardDialogs &dialogs) override;

private:
  void browse();
  bool ensureFolderExists(const QString &folder, WizardDialogs &dialogs);

  WizardDialogs &m_dialogs;
  QLineEdit *m_directory;
};

// Page 9: everything chosen, before "Finish" writes the package.
class SummaryPage final : public WizardPage
{
  Q_OBJECT

public:
  explicit SummaryPage(QWidget *parent = nullptr);

  void showSettings(const PackageSettings &settings) override;
  void storeSettings(PackageSettings &) const override {}

private:
  QLabel *m_labels;
  QPlainTextEdit *m_values;
};
