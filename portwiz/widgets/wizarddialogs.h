#pragma once

#include <QString>

#include <optional>

class QWidget;

// Every modal window the wizard opens goes through this interface, so that tests can answer
// them without a window ever blocking.
class WizardDialogs
{
public:
  enum class Icon { None, Information, Warning, Error };

  virtual ~WizardDialogs() = default;

  // A message box with an OK button.
  virtual void showMessage(const QString &text, Icon icon) = 0;
  // A question with Yes and No; true for Yes.
  virtual bool askYesNo(const QString &text) = 0;
  // The system's folder picker; nothing when the user cancels.
  virtual std::optional<QString> pickFolder(const QString &title, const QString &startFolder) = 0;
};

// The wizard's real message boxes and folder picker.
class QtWizardDialogs final : public WizardDialogs
{
public:
  void showMessage(const QString &text, Icon icon) override;
  bool askYesNo(const QString &text) override;
  std::optional<QString> pickFolder(const QString &title, const QString &startFolder) override;
};
