#pragma once

#include "packagesettings.h"
#include "wizardflow.h"

#include <QDialog>

class QPushButton;
class QStackedWidget;
class WizardDialogs;
class WizardPage;

// The wizard's window: the picture strip, the current page and the navigation buttons.
// It owns the settings that travel from page to page.
class PortwizWindow final : public QDialog
{
  Q_OBJECT

public:
  explicit PortwizWindow(WizardDialogs &dialogs, QWidget *parent = nullptr);

  WizardStep currentStep() const { return m_step; }
  const PackageSettings &settings() const { return m_settings; }

private:
  void addPages();
  QLayout *createButtonRow();
  WizardPage *page(WizardStep step) const;
  void openStep(WizardStep step);
  void goNext();
  void goBack();
  void finish();

  WizardDialogs &m_dialogs;
  PackageSettings m_settings;
  WizardStep m_step = WizardStep::PackageType;
  QStackedWidget *m_pages;
  QPushButton *m_back = nullptr;
  QPushButton *m_next = nullptr;
};
