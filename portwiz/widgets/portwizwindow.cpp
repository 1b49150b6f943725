#include "portwizwindow.h"

#include "generationpages.h"
#include "installeroptionspage.h"
#include "messages.h"
#include "namepages.h"
#include "packagegenerator.h"
#include "picturestrip.h"
#include "typepages.h"
#include "wizarddialogs.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

PortwizWindow::PortwizWindow(WizardDialogs &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_pages(new QStackedWidget)
{
  setWindowTitle(QString::fromLatin1(kWizardTitle));
  addPages();

  auto *content = new QHBoxLayout;
  content->addWidget(new PictureStrip);
  content->addWidget(m_pages, 1);
  auto *rule = new QFrame;
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);

  auto *layout = new QVBoxLayout(this);
  layout->addLayout(content, 1);
  layout->addWidget(rule);
  layout->addLayout(createButtonRow());
  // Every page shares the size of the largest one.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  openStep(WizardStep::PackageType);
}

void PortwizWindow::addPages()
{
  auto *packageType = new PackageTypePage;
  connect(packageType, &PackageTypePage::driverTypeChosen, this,
          [this](DriverType type) { selectDriverType(m_settings, type); });
  connect(packageType, &PackageTypePage::installerChoiceChanged, this,
          [this](bool generateInstaller) { m_settings.generateInstaller = generateInstaller; });
  // In the order of WizardStep.
  const QList<WizardPage *> pages = {packageType,
                                     new CertificationPage,
                                     new OperatingSystemPage,
                                     new CompanyPage,
                                     new DeviceNamePage,
                                     new ProductPage,
                                     new InstallerOptionsPage(m_dialogs),
                                     new GenerationDirectoryPage(m_dialogs),
                                     new SummaryPage};
  for (WizardPage *wizardPage : pages)
    m_pages->addWidget(wizardPage);
}

QLayout *PortwizWindow::createButtonRow()
{
  m_back = new QPushButton(QStringLiteral("< Back"));
  m_back->setObjectName(QStringLiteral("btnBack"));
  m_next = new QPushButton;
  m_next->setObjectName(QStringLiteral("btnNext"));
  m_next->setDefault(true);
  auto *cancel = new QPushButton(QStringLiteral("Cancel"));
  cancel->setObjectName(QStringLiteral("btnCancel"));
  connect(m_back, &QPushButton::clicked, this, &PortwizWindow::goBack);
  connect(m_next, &QPushButton::clicked, this, &PortwizWindow::goNext);
  connect(cancel, &QPushButton::clicked, this, &PortwizWindow::reject);

  auto *row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(m_back);
  row->addWidget(m_next);
  row->addSpacing(8);
  row->addWidget(cancel);
  return row;
}

WizardPage *PortwizWindow::page(WizardStep step) const
{
  return static_cast<WizardPage *>(m_pages->widget(int(step)));
}

void PortwizWindow::openStep(WizardStep step)
{
  m_step = step;
  page(step)->showSettings(m_settings);
  m_pages->setCurrentIndex(int(step));
  m_back->setVisible(step != WizardStep::PackageType);
  m_next->setText(step == WizardStep::Summary ? QStringLiteral("Finish") : QStringLiteral("Next >"));
}

void PortwizWindow::goNext()
{
  if (!page(m_step)->acceptSettings(m_settings, m_dialogs))
    return;
  if (m_step == WizardStep::Summary)
    finish();
  else
    openStep(nextStep(m_step, m_settings.generateInstaller));
}

void PortwizWindow::goBack()
{
  page(m_step)->storeSettings(m_settings);
  openStep(previousStep(m_step, m_settings.generateInstaller));
}

void PortwizWindow::finish()
{
  switch (generatePackage(m_settings)) {
  case GenerationResult::Success:
    m_dialogs.showMessage(QString::fromLatin1(kFilesGenerated), WizardDialogs::Icon::None);
    accept();
    return;
  case GenerationResult::FileFailed:
    m_dialogs.showMessage(QString::fromLatin1(kCouldNotOpenFileForWrite), WizardDialogs::Icon::Error);
    break;
  case GenerationResult::RefusedEntry: {
    const SettingsFault refused = *packageSettingsFault(m_settings);
    m_dialogs.showMessage(entryFaultMessage(refused.fieldName, refused.fault), WizardDialogs::Icon::Error);
    break;
  }
  case GenerationResult::DirectoryFailed:
    break;
  }
  // The summary stays open, so that the user can go back or try again.
  m_dialogs.showMessage(QString::fromLatin1(kCouldNotGenerateAllFiles), WizardDialogs::Icon::Error);
}
