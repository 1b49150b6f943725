#pragma once

#include "packagesettings.h"

#include <QWidget>

#include <initializer_list>

class QBoxLayout;
class QLabel;
class QLineEdit;
class WizardDialogs;

// One page of the wizard. The window opens a page with the current settings and, when the user
// leaves it, lets the page store its controls back.
class WizardPage : public QWidget
{
  Q_OBJECT

public:
  using QWidget::QWidget;

  virtual void showSettings(const PackageSettings &settings) = 0;
  // "< Back": stores the controls as they are.
  virtual void storeSettings(PackageSettings &settings) const = 0;
  // "Next >": checks the controls and stores them; false keeps the user on the page.
  virtual bool acceptSettings(PackageSettings &settings, WizardDialogs &dialogs);
};

// Building blocks the pages share.
QLabel *addText(QBoxLayout *layout, const QString &text, const char *objectName = nullptr);

// A text field with its label above it and an example line below it.
struct LabelledField {
  QLineEdit *edit;
  QLabel *example;
};
LabelledField addField(QBoxLayout *layout, const QString &label, const char *objectName, int maxLength);

// Each shows why the entry cannot be used and returns false, or returns true.
bool checkFilled(std::initializer_list<const QLineEdit *> edits, WizardDialogs &dialogs);
bool checkQuotedName(const QLineEdit *edit, const QString &fieldName, WizardDialogs &dialogs);
bool checkFileName(const QLineEdit *edit, const QString &fieldName, WizardDialogs &dialogs);
// A directory for a system whose separator is `separator`.
bool checkDirectory(const QString &text, QChar separator, WizardDialogs &dialogs);
