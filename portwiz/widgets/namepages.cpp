#include "namepages.h"

#include "messages.h"
#include "validation.h"
#include "wizarddialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <QVBoxLayout>

namespace {

// Shows typed letters in upper case, as USB identifiers are written.
class UpperCaseValidator final : public QValidator
{
public:
  using QValidator::QValidator;

  State validate(QString &input, int &) const override
  {
    input = input.toUpper();
    return Acceptable;
  }
};

QVBoxLayout *addFieldColumn(QWidget *page)
{
  auto *layout = new QVBoxLayout(page);
  layout->setSpacing(2);
  return layout;
}

QString quoted(const QString &text)
{
  return u'"' + text + u'"';
}

QString hexExample(const QString &value)
{
  return QStringLiteral("Example: %1 (Hex value)").arg(quoted(value));
}

} // namespace

CompanyPage::CompanyPage(QWidget *parent)
    : WizardPage(parent)
{
  QVBoxLayout *column = addFieldColumn(this);
  m_companyName = addField(column, QStringLiteral("Company Name (Long Name for .inf File Entries):"), "edCompanyName",
                           kMaxNameLength);
  m_companyName.example->setText(QStringLiteral("Example: \"Quellon\""));
  m_abbreviation = addField(column, QStringLiteral("Company Abbreviation (Short Name for .inf File Entries):"),
                            "edAbbreviation", kMaxAbbreviationLength);
  m_abbreviation.example->setText(QStringLiteral("Example: \"quel\" "));
  m_infName = addField(column, QStringLiteral("File Name for .inf:"), "edInfName", kMaxInfNameLength);
  m_vid = addField(column, QStringLiteral("VID (Vendor ID):"), "edVid", kUsbIdLength);
  m_vid.example->setText(hexExample(QString::fromLatin1(kDefaultVid)));
  m_pid = addField(column, QStringLiteral("PID (Product ID):"), "edPid", kUsbIdLength);
  column->addStretch();
  for (QLineEdit *identifier : {m_vid.edit, m_pid.edit})
    identifier->setValidator(new UpperCaseValidator(identifier));
}

void CompanyPage::showSettings(const PackageSettings &settings)
{
  const bool directAccess = settings.driverType == DriverType::DirectAccess;
  m_infName.example->setText(directAccess ? QStringLiteral("Example: \"Qxusb.inf\"")
                                          : QStringLiteral("Example: \"quelvcp.inf\""));
  m_pid.example->setText(hexExample(defaultPid(settings.driverType)));
  m_companyName.edit->setText(settings.companyName);
  m_abbreviation.edit->setText(settings.companyAbbreviation);
  m_infName.edit->setText(settings.infName);
  m_vid.edit->setText(settings.vid);
  m_pid.edit->setText(settings.pid);
}

void CompanyPage::storeSettings(PackageSettings &settings) const
{
  settings.companyName = m_companyName.edit->text();
  settings.companyAbbreviation = m_abbreviation.edit->text();
  settings.infName = m_infName.edit->text();
  settings.vid = m_vid.edit->text();
  settings.pid = m_pid.edit->text();
}

bool CompanyPage::acceptSettings(PackageSettings &settings, WizardDialogs &dialogs)
{
  const std::optional<QString> vid = usbIdFromEntry(m_vid.edit->text());
  const std::optional<QString> pid = usbIdFromEntry(m_pid.edit->text());
  if (!vid || !pid) {
    dialogs.showMessage(QString::fromLatin1(kFillInAllBlanks), WizardDialogs::Icon::None);
    return false;
  }
  if (!checkFilled({m_infName.edit, m_abbreviation.edit, m_companyName.edit}, dialogs)
      || !checkQuotedName(m_companyName.edit, QStringLiteral("Company Name"), dialogs)
      || !checkFileName(m_infName.edit, QStringLiteral("File Name for .inf"), dialogs))
    return false;
  storeSettings(settings);
  settings.vid = *vid;
  settings.pid = *pid;
  return true;
}

DeviceNamePage::DeviceNamePage(QWidget *parent)
    : WizardPage(parent)
{
  QVBoxLayout *column = addFieldColumn(this);
  m_deviceName = addField(column, QStringLiteral("Device Name:"), "edDeviceName", kMaxNameLength);
  column->addStretch();
  m_deviceName.example->setText(
      QStringLiteral("Example: \"QL410x USB Composite Device\"\n(Name appears in Device Manager under the USB tab)"));
}

void DeviceNamePage::showSettings(const PackageSettings &settings)
{
  m_deviceName.edit->setText(settings.deviceName);
}

void DeviceNamePage::storeSettings(PackageSettings &settings) const
{
  settings.deviceName = m_deviceName.edit->text();
}

bool DeviceNamePage::acceptSettings(PackageSettings &settings, WizardDialogs &dialogs)
{
  if (!checkFilled({m_deviceName.edit}, dialogs) || !checkQuotedName(m_deviceName.edit, QStringLiteral("Device Name"), dialogs))
    return false;
  storeSettings(settings);
  return true;
}

ProductPage::ProductPage(QWidget *parent)
    : WizardPage(parent)
{
  QVBoxLayout *column = addFieldColumn(this);
  m_productName = addField(column, QStringLiteral("Product Name:"), "edProductName", kMaxNameLength);
  m_installerName = addField(column, QStringLiteral("Name for Installation File:"), "edInstallerName", kMaxInstallerNameLength);
  column->addStretch();
}

void ProductPage::showSettings(const PackageSettings &settings)
{
  const bool directAccess = settings.driverType == DriverType::DirectAccess;
  const QString productExample = directAccess ? QStringLiteral("Quellon Brisklink Device")
                                              : QStringLiteral("Quellon USB to UART Bridge");
  const QString installerExample = directAccess ? QStringLiteral("BrisklinkInstaller") : QStringLiteral("QL410xVCPInstaller");
  m_productName.example->setText(
      QStringLiteral("Example: %1\n(Name appears in Add/Remove Programs listing)").arg(quoted(productExample)));
  m_installerName.example->setText(
      QStringLiteral("Example: %1 (Name will show up in the driver installation as %2.exe)").arg(quoted(installerExample), installerExample));
  m_productName.edit->setText(settings.productName);
  m_installerName.edit->setText(settings.installerName);
}

void ProductPage::storeSettings(PackageSettings &settings) const
{
  settings.productName = m_productName.edit->text();
  settings.installerName = m_installerName.edit->text();
}

bool ProductPage::acceptSettings(PackageSettings &settings, WizardDialogs &dialogs)
{
  if (!checkFilled({m_productName.edit, m_installerName.edit}, dialogs)
      || !checkQuotedName(m_productName.edit, QStringLiteral("Product Name"), dialogs)
      || !checkFileName(m_installerName.edit, QStringLiteral("Name for Installation File"), dialogs))
    return false;
  storeSettings(settings);
  return true;
}
