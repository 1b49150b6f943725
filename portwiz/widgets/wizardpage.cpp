#include "wizardpage.h"

#include "messages.h"
#include "validation.h"
#include "wizarddialogs.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

bool WizardPage::acceptSettings(PackageSettings &settings, WizardDialogs &)
{
  storeSettings(settings);
  return true;
}

QLabel *addText(QBoxLayout *layout, const QString &text, const char *objectName)
{
  auto *label = new QLabel(text);
  label->setWordWrap(true);
  if (objectName)
    label->setObjectName(QLatin1String(objectName));
  layout->addWidget(label);
  return label;
}

LabelledField addField(QBoxLayout *layout, const QString &label, const char *objectName, int maxLength)
{
  QLabel *caption = addText(layout, label);
  auto *edit = new QLineEdit;
  edit->setObjectName(QLatin1String(objectName));
  edit->setMaxLength(maxLength);
  caption->setBuddy(edit);
  layout->addWidget(edit);
  QLabel *example = addText(layout, QString());
  example->setForegroundRole(QPalette::PlaceholderText);
  layout->addSpacing(6);
  return {edit, example};
}

bool checkFilled(std::initializer_list<const QLineEdit *> edits, WizardDialogs &dialogs)
{
  const bool filled = std::none_of(edits.begin(), edits.end(), [](const QLineEdit *edit) { return edit->text().isEmpty(); });
  if (!filled)
    dialogs.showMessage(QString::fromLatin1(kFillInAllBlanks), WizardDialogs::Icon::None);
  return filled;
}

bool checkQuotedName(const QLineEdit *edit, const QString &fieldName, WizardDialogs &dialogs)
{
  if (!breaksQuotedInfString(edit->text()))
    return true;
  dialogs.showMessage(quotedNameMessage(fieldName), WizardDialogs::Icon::None);
  return false;
}

bool checkFileName(const QLineEdit *edit, const QString &fieldName, WizardDialogs &dialogs)
{
  if (isValidFileName(edit->text()))
    return true;
  dialogs.showMessage(fileNameMessage(fieldName), WizardDialogs::Icon::None);
  return false;
}
