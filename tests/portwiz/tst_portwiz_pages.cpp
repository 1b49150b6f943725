#include "hostpaths.h"
#include "messages.h"
#include "portwizwindow.h"
#include "wizarddialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Records what the wizard shows and answers as the test says; never opens a window.
class ScriptedDialogs final : public WizardDialogs
{
public:
  void showMessage(const QString &text, Icon icon) override
  {
    messages << text;
    icons << icon;
  }

  bool askYesNo(const QString &text) override
  {
    questions << text;
    return !answers.isEmpty() && answers.takeFirst();
  }

  std::optional<QString> pickFolder(const QString &title, const QString &) override
  {
    folderTitles << title;
    return pickedFolders.isEmpty() ? std::nullopt : pickedFolders.takeFirst();
  }

  QStringList messages;
  QList<Icon> icons;
  QStringList questions;
  QList<bool> answers;  // for askYesNo; "No" once they run out
  QStringList folderTitles;
  QList<std::optional<QString>> pickedFolders;
};

// The wizard window with its scripted dialogs and a folder for the package.
class Wizard
{
public:
  template <typename Control>
  Control *control(const char *objectName)
  {
    auto *found = window.findChild<Control *>(QLatin1String(objectName));
    if (!found)
      qFatal("no control %s", objectName);
    return found;
  }

  void click(const char *objectName) { control<QAbstractButton>(objectName)->click(); }
  void next() { click("btnNext"); }
  void back() { click("btnBack"); }
  void type(const char *objectName, const QString &text) { control<QLineEdit>(objectName)->setText(text); }
  QString text(const char *objectName) { return control<QLineEdit>(objectName)->text(); }
  WizardStep step() const { return window.currentStep(); }

  // Goes forward through the pages with their defaults, generating into the package folder.
  bool advanceTo(WizardStep target)
  {
    if (step() == WizardStep::PackageType && window.settings().driverType == DriverType::None)
      click("rbSerialPort");
    while (step() != target) {
      if (step() == WizardStep::GenerationDirectory)
        type("edGenerationDirectory", hostPath(packageFolder.path()));
      const WizardStep before = step();
      next();
      if (step() == before)
        return false;
    }
    return true;
  }

  ScriptedDialogs dialogs;
  PortwizWindow window{dialogs};
  QTemporaryDir packageFolder;
};

using Steps = QList<WizardStep>;

} // namespace

Q_DECLARE_METATYPE(WizardStep)

class TestPages : public QObject
{
  Q_OBJECT

private Q_SLOTS:
  void navigation_data();
  void navigation();
  void nextWaitsForPackageType();
  void refusedEntry_data();
  void refusedEntry();
  void usbIdShownAndStored();
  void packageTypeChoiceTakesEffectAtOnce();
  void targetDirectoryFollowsListEntry();
  void generationDirectory_data();
  void generationDirectory();
  void browse_data();
  void browse();
  void finish_data();
  void finish();
  void helpButtons_data();
  void helpButtons();
};

void TestPages::navigation_data()
{
  QTest::addColumn<bool>("installer");
  QTest::addColumn<Steps>("forward");
  QTest::addColumn<Steps>("backward");

  using S = WizardStep;
  QTest::newRow("with installer")
      << true
      << Steps{S::Certification, S::OperatingSystem, S::Company, S::DeviceName, S::ProductNames, S::InstallerOptions,
               S::GenerationDirectory, S::Summary}
      << Steps{S::GenerationDirectory, S::InstallerOptions, S::ProductNames, S::DeviceName, S::Company,
               S::OperatingSystem, S::Certification, S::PackageType};
  QTest::newRow("INF files only")
      << false
      << Steps{S::Certification, S::OperatingSystem, S::Company, S::DeviceName, S::GenerationDirectory, S::Summary}
      << Steps{S::GenerationDirectory, S::DeviceName, S::Company, S::OperatingSystem, S::Certification,
               S::PackageType};
}

void TestPages::navigation()
{
  QFETCH(bool, installer);
  QFETCH(Steps, forward);
  QFETCH(Steps, backward);
  Wizard wizard;
  wizard.click("rbSerialPort");
  wizard.click(installer ? "rbInstaller" : "rbInfFilesOnly");
  QVERIFY(!wizard.control<QAbstractButton>("btnBack")->isVisible());

  Steps visited;
  while (visited.size() < forward.size()) {
    if (wizard.step() == WizardStep::GenerationDirectory)
      wizard.type("edGenerationDirectory", hostPath(wizard.packageFolder.path()));
    wizard.next();
    visited << wizard.step();
  }
  QCOMPARE(visited, forward);
  QCOMPARE(wizard.control<QAbstractButton>("btnNext")->text(), QStringLiteral("Finish"));

  visited.clear();
  while (visited.size() < backward.size()) {
    wizard.back();
    visited << wizard.step();
  }
  QCOMPARE(visited, backward);
  QCOMPARE(wizard.dialogs.messages, QStringList());
}

void TestPages::nextWaitsForPackageType()
{
  Wizard wizard;
  wizard.next();
  QCOMPARE(wizard.step(), WizardStep::PackageType);
  QCOMPARE(wizard.dialogs.messages, QStringList());
  wizard.click("rbDirectAccess");
  wizard.next();
  QCOMPARE(wizard.step(), WizardStep::Certification);
}

void TestPages::refusedEntry_data()
{
  QTest::addColumn<WizardStep>("step");
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");

  const QString blanks = QString::fromLatin1(kFillInAllBlanks);
  const auto company = WizardStep::Company;
  QTest::newRow("VID with the letter G") << company << "edVid" << "10G" << blanks;
  QTest::newRow("PID with a blank inside") << company << "edPid" << "1 2" << blanks;
  QTest::newRow("empty company name") << company << "edCompanyName" << "" << blanks;
  QTest::newRow("empty abbreviation") << company << "edAbbreviation" << "" << blanks;
  QTest::newRow("empty INF name") << company << "edInfName" << "" << blanks;
  const QString companyControl = QStringLiteral("Company Name cannot contain tabs, line breaks or other control characters.");
  QTest::newRow("double quote in company name")
      << company << "edCompanyName" << "Acme \"Best\"" << "Company Name cannot contain a double quote (\").";
  QTest::newRow("line break in company name") << company << "edCompanyName" << "Acme\nControls" << companyControl;
  QTest::newRow("tab in company name") << company << "edCompanyName" << "Acme\tControls" << companyControl;
  QTest::newRow("folder in INF name") << company << "edInfName" << "../abc"
                                      << "File Name for .inf cannot contain any of: \\ / : * ? \" < > |";
  QTest::newRow("line break in INF name")
      << company << "edInfName" << "abc\r\n"
      << "File Name for .inf cannot contain tabs, line breaks or other control characters.";
  QTest::newRow("INF named after a device")
      << company << "edInfName" << "con"
      << "File Name for .inf cannot be a name Windows keeps for a device: CON, PRN, AUX, NUL, COM1 to COM9 "
         "or LPT1 to LPT9, with or without an extension.";
  QTest::newRow("INF name of dots") << company << "edInfName" << ".."
                                    << "File Name for .inf cannot end with a dot or a blank.";
  QTest::newRow("empty device name") << WizardStep::DeviceName << "edDeviceName" << "" << blanks;
  QTest::newRow("double quote in device name")
      << WizardStep::DeviceName << "edDeviceName" << "12\" cable" << "Device Name cannot contain a double quote (\").";
  QTest::newRow("line feed in device name")
      << WizardStep::DeviceName << "edDeviceName" << "Acme\nCable"
      << "Device Name cannot contain tabs, line breaks or other control characters.";
  QTest::newRow("empty product name") << WizardStep::ProductNames << "edProductName" << "" << blanks;
  QTest::newRow("empty installer name") << WizardStep::ProductNames << "edInstallerName" << "" << blanks;
  QTest::newRow("line break in product name")
      << WizardStep::ProductNames << "edProductName" << "Acme\r\nDriver"
      << "Product Name cannot contain tabs, line breaks or other control characters.";
  QTest::newRow("drive in installer name") << WizardStep::ProductNames << "edInstallerName" << "C:setup"
                                           << "Name for Installation File cannot contain any of: \\ / : * ? \" < > |";
  QTest::newRow("installer named after a port")
      << WizardStep::ProductNames << "edInstallerName" << "LPT1.exe"
      << "Name for Installation File cannot be a name Windows keeps for a device: CON, PRN, AUX, NUL, COM1 to COM9 "
         "or LPT1 to LPT9, with or without an extension.";
  QTest::newRow("installer name ending in a dot") << WizardStep::ProductNames << "edInstallerName" << "a."
                                                  << "Name for Installation File cannot end with a dot or a blank.";
  QTest::newRow("installer name of one blank") << WizardStep::ProductNames << "edInstallerName" << " "
                                               << "Name for Installation File cannot end with a dot or a blank.";
  const QString directoryControl = QStringLiteral("Directory cannot contain tabs, line breaks or other control characters.");
  QTest::newRow("pasted second section in target directory")
      << WizardStep::InstallerOptions << "edTargetDirectory" << "Quellon\\Drv\r\n[VID]\r\n0000" << directoryControl;
  QTest::newRow("line feed in generation directory")
      << WizardStep::GenerationDirectory << "edGenerationDirectory" << "out\nput" << directoryControl;
  QTest::newRow("star in target directory")
      << WizardStep::InstallerOptions << "edTargetDirectory" << "Acme\\*" << directoryNameMessage(u'\\');
  QTest::newRow("drive-relative generation directory")
      << WizardStep::GenerationDirectory << "edGenerationDirectory" << "D:out" << directoryNameMessage(hostSeparator());
}

void TestPages::refusedEntry()
{
  QFETCH(WizardStep, step);
  QFETCH(QString, field);
  QFETCH(QString, text);
  QFETCH(QString, message);
  Wizard wizard;
  QVERIFY(wizard.advanceTo(step));

  wizard.type(qPrintable(field), text);
  wizard.next();

  QCOMPARE(wizard.step(), step);
  QCOMPARE(wizard.dialogs.messages, QStringList{message});
}

void TestPages::usbIdShownAndStored()
{
  Wizard wizard;
  QVERIFY(wizard.advanceTo(WizardStep::Company));
  auto *vid = wizard.control<QLineEdit>("edVid");
  vid->clear();
  QTest::keyClicks(vid, QStringLiteral("10c"));
  QCOMPARE(vid->text(), QStringLiteral("10C"));

  wizard.next();

  QCOMPARE(wizard.step(), WizardStep::DeviceName);
  QCOMPARE(wizard.window.settings().vid, QStringLiteral("010C"));
}

void TestPages::packageTypeChoiceTakesEffectAtOnce()
{
  Wizard wizard;
  QVERIFY(wizard.advanceTo(WizardStep::Company));
  wizard.type("edCompanyName", QStringLiteral("Acme Controls"));
  for (int page = 0; page < 3; ++page)
    wizard.back();

  wizard.click("rbSerialPort");
  QCOMPARE(wizard.window.settings().companyName, QStringLiteral("Acme Controls"));

  wizard.click("rbDirectAccess");
  QCOMPARE(wizard.window.settings().companyName, QStringLiteral("Quellon"));
  QCOMPARE(wizard.window.settings().infName, QStringLiteral("Qxusb"));
  QVERIFY(wizard.advanceTo(WizardStep::OperatingSystem));
  QVERIFY(!wizard.control<QAbstractButton>("rbWindows7")->isEnabled());
}

void TestPages::targetDirectoryFollowsListEntry()
{
  Wizard wizard;
  QVERIFY(wizard.advanceTo(WizardStep::InstallerOptions));
  auto *list = wizard.control<QComboBox>("cbRelativeInstall");
  auto *prefix = wizard.control<QLabel>("lbTargetPrefix");
  QCOMPARE(prefix->text(), QStringLiteral("C:\\Program Files\\"));

  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Down);
  QCOMPARE(list->currentIndex(), int(RelativeInstall::Explicit));
  QCOMPARE(prefix->text(), QString());
  QCOMPARE(wizard.text("edTargetDirectory"), QStringLiteral("C:\\Quellon\\MCU\\QL410x\\"));

  QTest::keyClick(list, Qt::Key_Home);
  QCOMPARE(prefix->text(), QStringLiteral("C:\\Program Files\\"));
  QCOMPARE(wizard.text("edTargetDirectory"), QStringLiteral("Quellon\\MCU\\QL410x\\"));
}

void TestPages::generationDirectory_data()
{
  QTest::addColumn<QString>("folder");  // below the test's temporary folder
  QTest::addColumn<bool>("blockedByFile");
  QTest::addColumn<QList<bool>>("answers");
  QTest::addColumn<WizardStep>("step");
  QTest::addColumn<bool>("asked");
  QTest::addColumn<QStringList>("messages");

  const QStringList none;
  QTest::newRow("existing folder") << "" << false << QList<bool>() << WizardStep::Summary << false << none;
  QTest::newRow("missing folder, not created")
      << "new/package" << false << QList<bool>{false} << WizardStep::GenerationDirectory << true << none;
  QTest::newRow("missing folder, created") << "new/package" << false << QList<bool>{true} << WizardStep::Summary
                                           << true << none;
  QTest::newRow("missing folder below a file")
      << "file/package" << true << QList<bool>{true} << WizardStep::GenerationDirectory << true
      << QStringList{QString::fromLatin1(kCouldNotCreateDirectory)};
}

void TestPages::generationDirectory()
{
  QFETCH(QString, folder);
  QFETCH(bool, blockedByFile);
  QFETCH(QList<bool>, answers);
  QFETCH(WizardStep, step);
  QFETCH(bool, asked);
  QFETCH(QStringList, messages);
  Wizard wizard;
  QVERIFY(wizard.advanceTo(WizardStep::GenerationDirectory));
  const QDir root(wizard.packageFolder.path());
  if (blockedByFile) {
    QFile blocker(root.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
  }
  const QString path = hostPath(folder.isEmpty() ? root.path() : root.filePath(folder));
  wizard.dialogs.answers = answers;

  wizard.type("edGenerationDirectory", path);
  wizard.next();

  QCOMPARE(wizard.step(), step);
  QCOMPARE(wizard.dialogs.questions.size(), asked ? 1 : 0);
  QCOMPARE(wizard.dialogs.messages, messages);
  const bool accepted = step == WizardStep::Summary;
  QCOMPARE(QFileInfo(path).isDir(), accepted || !asked);
  if (accepted)
    QCOMPARE(wizard.window.settings().generationDirectory, path + hostSeparator());
}

void TestPages::browse_data()
{
  QTest::addColumn<std::optional<QString>>("picked");
  QTest::addColumn<QString>("shown");

  QTest::newRow("folder chosen") << std::optional<QString>(QStringLiteral("/srv/packages")) << hostPath("/srv/packages");
  QTest::newRow("picker cancelled") << std::optional<QString>() << "typed before";
}

void TestPages::browse()
{
  QFETCH(std::optional<QString>, picked);
  QFETCH(QString, shown);
  Wizard wizard;
  QVERIFY(wizard.advanceTo(WizardStep::GenerationDirectory));
  wizard.type("edGenerationDirectory", QStringLiteral("typed before"));
  wizard.dialogs.pickedFolders << picked;

  wizard.click("btnBrowse");

  QCOMPARE(wizard.dialogs.folderTitles, QStringList{QString::fromLatin1(kSelectGenerationFolder)});
  QCOMPARE(wizard.text("edGenerationDirectory"), shown);
}

void TestPages::finish_data()
{
  QTest::addColumn<QString>("button");
  QTest::addColumn<bool>("infNameTaken");
  QTest::addColumn<QStringList>("messages");
  QTest::addColumn<bool>("closed");
  QTest::addColumn<bool>("written");

  QTest::newRow("package written") << "btnNext" << false << QStringList{QString::fromLatin1(kFilesGenerated)} << true
                                   << true;
  QTest::newRow("INF name taken by a folder")
      << "btnNext" << true
      << QStringList{QString::fromLatin1(kCouldNotOpenFileForWrite), QString::fromLatin1(kCouldNotGenerateAllFiles)}
      << false << false;
  QTest::newRow("cancelled") << "btnCancel" << false << QStringList() << true << false;
}

void TestPages::finish()
{
  QFETCH(QString, button);
  QFETCH(bool, infNameTaken);
  QFETCH(QStringList, messages);
  QFETCH(bool, closed);
  QFETCH(bool, written);
  Wizard wizard;
  QVERIFY(wizard.advanceTo(WizardStep::Summary));
  if (infNameTaken)
    QVERIFY(QDir(wizard.packageFolder.path()).mkdir(QStringLiteral("quelvcp.inf")));
  QSignalSpy finished(&wizard.window, &QDialog::finished);

  wizard.click(qPrintable(button));

  QCOMPARE(wizard.dialogs.messages, messages);
  QCOMPARE(finished.size(), closed ? 1 : 0);
  QCOMPARE(wizard.step(), WizardStep::Summary);
  QCOMPARE(QFileInfo(QDir(wizard.packageFolder.path()).filePath(QStringLiteral("setup.ini"))).isFile(), written);
}

void TestPages::helpButtons_data()
{
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("heading");

  QTest::newRow("display install") << "btnHelpDisplayInstall" << "Display GUI window during Install:";
  QTest::newRow("copy files") << "btnHelpCopyFiles" << "Copy Files to Target Directory during Install:";
  QTest::newRow("relative install list") << "btnHelpRelativeInstall"
                                         << "Use Target Directory relative to the user's Program Files:";
  QTest::newRow("target directory") << "btnHelpTargetDirectory" << "Target Directory:";
  QTest::newRow("display uninstall") << "btnHelpDisplayUninstall" << "Display GUI window during Uninstall:";
  QTest::newRow("remove files") << "btnHelpRemoveFiles" << "Remove Files from Target Directory during Uninstall:";
}

void TestPages::helpButtons()
{
  QFETCH(QString, button);
  QFETCH(QString, heading);
  Wizard wizard;
  QVERIFY(wizard.advanceTo(WizardStep::InstallerOptions));

  wizard.click(qPrintable(button));

  QCOMPARE(wizard.dialogs.messages.size(), 1);
  QCOMPARE(wizard.dialogs.messages.first().section(u'\n', 0, 0), heading);
  QCOMPARE(wizard.step(), WizardStep::InstallerOptions);
}

QTEST_MAIN(TestPages)
#include "tst_portwiz_pages.moc"
