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

namespace {

bool checkEntry(EntryFault fault, const QString &fieldName, WizardDialogs &dialogs)
{
  if (fault == EntryFault::None)
    return true;
  dialogs.showMessage(entryFaultMessage(fieldName, fault), WizardDialogs::Icon::None);
  return false;
}

} // namespace

bool checkQuotedName(const QLineEdit *edit, const QString &fieldName, WizardDialogs &dialogs)
{
  return checkEntry(quotedNameFault(edit->text()), fieldName, dialogs);
}

bool checkFileName(const QLineEdit *edit, const QString &fieldName, WizardDialogs &dialogs)
{
  return checkEntry(fileNameFault(edit->text()), fieldName, dialogs);
}

bool checkDirectory(const QString &text, QChar separator, WizardDialogs &dialogs)
{
  const EntryFault fault = directoryFault(text, separator);
  if (fault == EntryFault::NotADirectoryName) {
    dialogs.showMessage(directoryNameMessage(separator), WizardDialogs::Icon::None);
    return false;
  }
  return checkEntry(fault, QStringLiteral("Directory"), dialogs);
}
