#include "typepages.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton *addRadioButton(QBoxLayout *layout, QButtonGroup *group, const QString &text, const char *objectName)
{
  auto *button = new QRadioButton(text);
  button->setObjectName(QLatin1String(objectName));
  group->addButton(button);
  layout->addWidget(button);
  return button;
}

QLabel *addHeading(QBoxLayout *layout, const QString &text)
{
  QLabel *heading = addText(layout, text, "lbTitle");
  QFont font = heading->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.3);
  heading->setFont(font);
  return heading;
}

} // namespace

PackageTypePage::PackageTypePage(QWidget *parent)
    : WizardPage(parent)
{
  auto *layout = new QVBoxLayout(this);
  addHeading(layout, QStringLiteral("Custom USB Driver Installation Wizard\nVersion 4.7"));
  layout->addSpacing(12);
  addText(layout, QStringLiteral("Select which type of custom driver installation package to create:"));
  auto *typeGroup = new QButtonGroup(this);
  m_serialPort = addRadioButton(layout, typeGroup,
                                QStringLiteral("Virtual COM Port Driver Installation\n(QL410x - Driver version 5.4.24)"),
                                "rbSerialPort");
  m_directAccess = addRadioButton(
      layout, typeGroup,
      QStringLiteral("Brisklink Driver Installation\n(QL410x, QL412x bridges and QL8 microcontrollers - Driver version 3.1)"),
      "rbDirectAccess");
  layout->addSpacing(12);
  addText(layout, QStringLiteral("Select how you would like to install your custom driver:"));
  auto *installGroup = new QButtonGroup(this);
  m_installer = addRadioButton(layout, installGroup,
                               QStringLiteral("Customized Executable Installer\n(This executable can be run in quiet mode)"),
                               "rbInstaller");
  m_infFilesOnly = addRadioButton(layout, installGroup, QStringLiteral("INF Files only"), "rbInfFilesOnly");
  layout->addStretch();

  connect(m_serialPort, &QRadioButton::clicked, this, [this] { Q_EMIT driverTypeChosen(DriverType::SerialPort); });
  connect(m_directAccess, &QRadioButton::clicked, this, [this] { Q_EMIT driverTypeChosen(DriverType::DirectAccess); });
  connect(m_installer, &QRadioButton::clicked, this, [this] { Q_EMIT installerChoiceChanged(true); });
  connect(m_infFilesOnly, &QRadioButton::clicked, this, [this] { Q_EMIT installerChoiceChanged(false); });
}

void PackageTypePage::showSettings(const PackageSettings &settings)
{
  // Until the first choice neither package type is checked.
  if (settings.driverType == DriverType::SerialPort)
    m_serialPort->setChecked(true);
  else if (settings.driverType == DriverType::DirectAccess)
    m_directAccess->setChecked(true);
  (settings.generateInstaller ? m_installer : m_infFilesOnly)->setChecked(true);
}

void PackageTypePage::storeSettings(PackageSettings &settings) const
{
  settings.generateInstaller = m_installer->isChecked();
}

bool PackageTypePage::acceptSettings(PackageSettings &settings, WizardDialogs &)
{
  if (settings.driverType == DriverType::None)
    return false;
  storeSettings(settings);
  return true;
}

CertificationPage::CertificationPage(QWidget *parent)
    : WizardPage(parent)
{
  auto *layout = new QVBoxLayout(this);
  addText(layout, QStringLiteral("WARNING: This Custom Setup Wizard will generate a custom installation for Quellon USB "
                                 "Drivers. As a result the driver installation will no longer be certified for "
                                 "Microsoft Windows XP/S2K3/Vista/7."));
  addText(layout, QStringLiteral("If you want to certify this custom driver set, a reseller certification must be "
                                 "performed by Microsoft for the new driver installation."));
  addText(layout, QStringLiteral("Note: An uncertified installation will not cause any problems other than the warning "
                                 "message displayed on 32 bit OS's when installing uncertified drivers. Uncertified "
                                 "drivers cannot be installed on Vista/7 64 except under certain testing conditions."));
  addText(layout, QStringLiteral("For more info on Windows Certification goto:"));
  for (const char *address : {"https://www.example.com/driver-certification",
                              "https://www.example.org/windows-hardware-certification"}) {
    QLabel *link = addText(layout, QLatin1String(address));
    link->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  layout->addStretch();
}

OperatingSystemPage::OperatingSystemPage(QWidget *parent)
    : WizardPage(parent)
{
  auto *layout = new QVBoxLayout(this);
  addText(layout, QStringLiteral("Select the operating system for which this custom driver is being generated:"));
  auto *group = new QButtonGroup(this);
  m_windowsXpFamily = addRadioButton(layout, group, QStringLiteral("Windows 2K/XP/Vista/S2K3"), "rbWindowsXpFamily");
  m_windows7 = addRadioButton(layout, group, QStringLiteral("Windows 7"), "rbWindows7");
  layout->addSpacing(12);
  addText(layout, QStringLiteral("Note: If all operating systems need to be supported it will require generating and "
                                 "certifying a package for Windows 2K/XP/Vista/S2K3 and then generating and certifying "
                                 "another package separately for Windows 7."));
  layout->addStretch();
}

void OperatingSystemPage::showSettings(const PackageSettings &settings)
{
  m_windows7->setEnabled(settings.driverType != DriverType::DirectAccess);
  const bool windows7 = settings.targetSystem == TargetSystem::Windows7;
  (windows7 ? m_windows7 : m_windowsXpFamily)->setChecked(true);
}

void OperatingSystemPage::storeSettings(PackageSettings &settings) const
{
  settings.targetSystem = m_windows7->isChecked() ? TargetSystem::Windows7 : TargetSystem::WindowsXpFamily;
}
