#include "installeroptionspage.h"

#include "messages.h"
#include "targetdirectory.h"
#include "validation.h"
#include "wizarddialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr char kDisplayInstallHelp[] =
    "Display GUI window during Install:\n\n"
    "Check this option when using the generated Installer as a stand-alone application.\n"
    "The Installer will display several GUI windows during the installation process.\n\n"
    "Uncheck this option to run the Installer in Quiet Mode. When running in Quiet Mode,\n"
    "no GUI will be displayed. This is useful when using another application to launch\n"
    "this Installer.";

constexpr char kCopyFilesHelp[] =
    "Copy Files to Target Directory during Install:\n\n"
    "Check this option if a copy of the drivers will be needed on the hard drive. This is useful\n"
    "when installing the drivers from a CD. Uncheck this option if copies of the driver files are not\n"
    "needed on the hard drive.";

constexpr char kTargetDirectoryHelp[] =
    "Target Directory:\n\n"
    "Selects the hard drive location that will contain a copy of the driver files. The default\n"
    "location is C:\\Program Files\\Quellon\\MCU\\QL410x.\n\n"
    "If the \"Display GUI window during Installation\" option is selected, this path can be changed\n"
    "during installation by clicking the Browse button.\n\n"
    "However, if the \"Display GUI  window during Installation\" option is not selected then the\n"
    "default directory is always used unless a directory is specified through the command line.\n\n"
    "This option is ignored if the \"Copy Files to Directory during Setup\" option is not selected.\n\n"
    "Note: The Target Directory must be different for each product released.";

constexpr char kDisplayUninstallHelp[] =
    "Display GUI window during Uninstall:\n\n"
    "Check this option when using the generated Uninstaller as a stand-alone application. The\n"
    "Uninstaller will display several GUI windows during the uninstall process.\n\n"
    "Uncheck this option if the Uninstaller will be launched by another application. The Uninstaller\n"
    "will then run in Quiet Mode. When running in Quiet Mode, no GUI will be displayed.";

constexpr char kRemoveFilesHelp[] =
    "Remove Files from Target Directory during Uninstall:\n\n"
    "Check this option if the copied drivers should be removed from the target directory during\n"
    "Uninstallation. This is useful when installing the drivers from a CD.\n\n"
    "Uncheck this option to leave copies of the driver files on the hard drive.";

constexpr char kRelativeInstallHelp[] =
    "Use Target Directory relative to the user's Program Files:\n\n"
    "Use this option if you want to have the Target Directory be relative to the user's Program\n"
    "Files Directory. This ensures that the correct drive and correct Program Files directory gets\n"
    "used (Language specific friendly).\n\n\n"
    "Use Target Directory relative to the user's Windows Drive:\n\n"
    "Use this option if you want to have the Target Directory be relative to the user's Windows\n"
    "Drive Letter. This ensures the correct drive gets used (if a drive other than C: is used).\n\n\n"
    "Use Target Directory explicitly:\n\n"
    "Use this option if you want to explicitly define the Target Directory";

QCheckBox *newCheckBox(const QString &text, const char *objectName)
{
  auto *checkBox = new QCheckBox(text);
  checkBox->setObjectName(QLatin1String(objectName));
  return checkBox;
}

} // namespace

InstallerOptionsPage::InstallerOptionsPage(WizardDialogs &dialogs, QWidget *parent)
    : WizardPage(parent)
    , m_dialogs(dialogs)
{
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(createInstallerGroup());
  layout->addWidget(createUninstallerGroup());
  layout->addStretch();
  connect(m_relativeInstall, &QComboBox::activated, this, &InstallerOptionsPage::showRelativeInstall);
}

QWidget *InstallerOptionsPage::createInstallerGroup()
{
  auto *group = new QGroupBox(QStringLiteral("Installer Options"));
  auto *grid = new QGridLayout(group);
  m_displayInstall = newCheckBox(QStringLiteral("Display GUI window during Install"), "ckbDisplayInstall");
  m_copyFiles = newCheckBox(QStringLiteral("Copy Files to Target Directory during Install"), "ckbCopyFiles");
  m_relativeInstall = new QComboBox;
  m_relativeInstall->setObjectName(QStringLiteral("cbRelativeInstall"));
  m_relativeInstall->addItems({QStringLiteral("Use Target Directory relative to the user's Program Files"),
                               QStringLiteral("Use Target Directory relative to the user's Windows Drive"),
                               QStringLiteral("Use Target Directory explicitly")});
  grid->addWidget(m_displayInstall, 0, 0);
  addHelpButton(grid, 0, "btnHelpDisplayInstall", kDisplayInstallHelp);
  grid->addWidget(m_copyFiles, 1, 0);
  addHelpButton(grid, 1, "btnHelpCopyFiles", kCopyFilesHelp);
  grid->addWidget(m_relativeInstall, 2, 0);
  addHelpButton(grid, 2, "btnHelpRelativeInstall", kRelativeInstallHelp);
  grid->addWidget(new QLabel(QStringLiteral("Target Directory:")), 3, 0);
  addHelpButton(grid, 3, "btnHelpTargetDirectory", kTargetDirectoryHelp);

  // The field starts right after the prefix; an empty prefix takes no room.
  auto *targetRow = new QHBoxLayout;
  targetRow->setSpacing(0);
  m_targetPrefix = new QLabel;
  m_targetPrefix->setObjectName(QStringLiteral("lbTargetPrefix"));
  m_targetDirectory = new QLineEdit;
  m_targetDirectory->setObjectName(QStringLiteral("edTargetDirectory"));
  m_targetDirectory->setMaxLength(kMaxPathLength);
  targetRow->addWidget(m_targetPrefix);
  targetRow->addWidget(m_targetDirectory, 1);
  grid->addLayout(targetRow, 4, 0);
  grid->addWidget(new QLabel(QStringLiteral("Example: \"C:\\Program Files\\Quellon\\Product Name\\\"")), 5, 0);
  grid->addWidget(new QLabel(QStringLiteral("Note: This MUST be different for each product released.")), 6, 0);
  return group;
}

QWidget *InstallerOptionsPage::createUninstallerGroup()
{
  auto *group = new QGroupBox(QStringLiteral("Uninstaller Options"));
  auto *grid = new QGridLayout(group);
  m_displayUninstall = newCheckBox(QStringLiteral("Display GUI window during Uninstall"), "ckbDisplayUninstall");
  m_removeFiles = newCheckBox(QStringLiteral("Remove Files from Target Directory during Uninstall"), "ckbRemoveFiles");
  grid->addWidget(m_displayUninstall, 0, 0);
  addHelpButton(grid, 0, "btnHelpDisplayUninstall", kDisplayUninstallHelp);
  grid->addWidget(m_removeFiles, 1, 0);
  addHelpButton(grid, 1, "btnHelpRemoveFiles", kRemoveFilesHelp);
  return group;
}

void InstallerOptionsPage::addHelpButton(QGridLayout *grid, int row, const char *objectName, const char *helpText)
{
  auto *button = new QToolButton;
  button->setObjectName(QLatin1String(objectName));
  button->setText(QStringLiteral("?"));
  grid->addWidget(button, row, 1);
  connect(button, &QToolButton::clicked, this,
          [this, helpText] { m_dialogs.showMessage(QString::fromLatin1(helpText), WizardDialogs::Icon::Information); });
}

void InstallerOptionsPage::showRelativeInstall(int index)
{
  const auto relativeInstall = RelativeInstall(index);
  m_targetPrefix->setText(targetPrefixLabel(relativeInstall));
  m_targetDirectory->setText(adjustTargetDirectory(m_targetDirectory->text(), relativeInstall));
}

void InstallerOptionsPage::showSettings(const PackageSettings &settings)
{
  m_displayInstall->setChecked(!settings.quietInstall);
  m_copyFiles->setChecked(settings.copyFiles);
  m_displayUninstall->setChecked(!settings.quietUninstall);
  m_removeFiles->setChecked(settings.removeFiles);
  m_targetDirectory->setText(settings.targetDirectory);
  m_relativeInstall->setCurrentIndex(int(settings.relativeInstall));
  showRelativeInstall(int(settings.relativeInstall));
}

void InstallerOptionsPage::storeSettings(PackageSettings &settings) const
{
  settings.quietInstall = !m_displayInstall->isChecked();
  settings.copyFiles = m_copyFiles->isChecked();
  settings.relativeInstall = RelativeInstall(m_relativeInstall->currentIndex());
  settings.targetDirectory = m_targetDirectory->text();
  settings.quietUninstall = !m_displayUninstall->isChecked();
  settings.removeFiles = m_removeFiles->isChecked();
}

bool InstallerOptionsPage::acceptSettings(PackageSettings &settings, WizardDialogs &dialogs)
{
  // The target directory is a path on the Windows machine the package is installed on.
  if (!checkDirectory(m_targetDirectory->text(), u'\\', dialogs))
    return false;
  storeSettings(settings);
  return true;
}
