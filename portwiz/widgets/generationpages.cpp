#include "generationpages.h"

#include "hostpaths.h"
#include "messages.h"
#include "packagegenerator.h"
#include "summary.h"
#include "validation.h"
#include "wizarddialogs.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

GenerationDirectoryPage::GenerationDirectoryPage(WizardDialogs &dialogs, QWidget *parent)
    : WizardPage(parent)
    , m_dialogs(dialogs)
{
  auto *layout = new QVBoxLayout(this);
  addText(layout, QStringLiteral("Specify the directory where you want the Custom Setup files generated:"));
  auto *row = new QHBoxLayout;
  m_directory = new QLineEdit;
  m_directory->setObjectName(QStringLiteral("edGenerationDirectory"));
  m_directory->setMaxLength(kMaxPathLength);
  auto *browseButton = new QPushButton(QStringLiteral("Browse..."));
  browseButton->setObjectName(QStringLiteral("btnBrowse"));
  row->addWidget(m_directory, 1);
  row->addWidget(browseButton);
  layout->addLayout(row);
  addText(layout, QStringLiteral("Note: This is also the location where you should put catalog files for certification "
                                 "if your driver is certified.."));
  layout->addStretch();
  connect(browseButton, &QPushButton::clicked, this, &GenerationDirectoryPage::browse);
}

void GenerationDirectoryPage::browse()
{
  const std::optional<QString> folder =
      m_dialogs.pickFolder(QString::fromLatin1(kSelectGenerationFolder), m_directory->text());
  if (folder)
    m_directory->setText(hostPath(*folder));
}

void GenerationDirectoryPage::showSettings(const PackageSettings &settings)
{
  m_directory->setText(settings.generationDirectory);
}

void GenerationDirectoryPage::storeSettings(PackageSettings &settings) const
{
  settings.generationDirectory = m_directory->text();
}

bool GenerationDirectoryPage::acceptSettings(PackageSettings &settings, WizardDialogs &dialogs)
{
  // A host path: on Windows the backslash is the separator, elsewhere the slash.
  const QString folder = m_directory->text().trimmed();
  if (!checkDirectory(folder, hostSeparator(), dialogs))
    return false;
  if (!ensureFolderExists(folder, dialogs))
    return false;
  settings.generationDirectory = withTrailingSeparator(folder);
  return true;
}

bool GenerationDirectoryPage::ensureFolderExists(const QString &folder, WizardDialogs &dialogs)
{
  if (QFileInfo(folder).isDir())
    return true;
  if (!dialogs.askYesNo(QString::fromLatin1(kDirectoryDoesNotExist)))
    return false;
  if (createDirectoryTree(withTrailingSeparator(folder)))
    return true;
  dialogs.showMessage(QString::fromLatin1(kCouldNotCreateDirectory), WizardDialogs::Icon::Warning);
  return false;
}

SummaryPage::SummaryPage(QWidget *parent)
    : WizardPage(parent)
{
  auto *layout = new QHBoxLayout(this);
  m_labels = new QLabel;
  m_labels->setObjectName(QStringLiteral("lbSummaryLabels"));
  m_labels->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_values = new QPlainTextEdit;
  m_values->setObjectName(QStringLiteral("edSummary"));
  m_values->setReadOnly(true);
  m_values->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_values->setFrameShape(QFrame::NoFrame);
  m_values->setBackgroundRole(QPalette::Window);
  // No margin, so that each value sits on the line of its label.
  m_values->document()->setDocumentMargin(0);
  layout->addWidget(m_labels);
  layout->addWidget(m_values, 1);
}

void SummaryPage::showSettings(const PackageSettings &settings)
{
  m_labels->setText(summaryLabels(settings.driverType).join(u'\n'));
  m_values->setPlainText(summaryValues(settings).join(u'\n'));
}
