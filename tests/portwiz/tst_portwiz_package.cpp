#include "acmesettings.h"
#include "hostpaths.h"
#include "packagegenerator.h"
#include "packagetexts.h"
#include "payloads.h"
#include "validation.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

// The files under expected/ are written out by hand with LF line ends; every line end of the
// real files is CR LF, so the expected bytes get CR LF in place of each LF.
QByteArray expectedFile(const QString &name)
{
  QFile file(QStringLiteral(PORTWIZ_EXPECTED_DIR "/") + name);
  if (!file.open(QIODevice::ReadOnly))
    qFatal("missing expected file %s", qPrintable(name));
  return file.readAll().replace("\n", "\r\n");
}

QString printable(const QByteArray &line)
{
  return QString::fromLatin1(line).replace(u'\r', QStringLiteral("\\r")).replace(u'\t', QStringLiteral("\\t"));
}

// Names the first differing line, which a byte comparison of whole files does not.
void compareLines(const QByteArray &actual, const QByteArray &expected)
{
  const QList<QByteArray> actualLines = actual.split('\n');
  const QList<QByteArray> expectedLines = expected.split('\n');
  for (qsizetype i = 0; i < std::min(actualLines.size(), expectedLines.size()); ++i) {
    if (actualLines[i] != expectedLines[i])
      QFAIL(qPrintable(QStringLiteral("line %1: got \"%2\", expected \"%3\"")
                           .arg(i + 1)
                           .arg(printable(actualLines[i]), printable(expectedLines[i]))));
  }
  QCOMPARE(actual, expected);
}

QByteArray payload(int resourceId)
{
  QFile resource(payloadResourcePath(resourceId));
  if (!resource.open(QIODevice::ReadOnly))
    qFatal("payload %d is not embedded", resourceId);
  return resource.readAll();
}

QByteArray fileBytes(const QString &path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesBelow(const QString &folder)
{
  QStringList files;
  QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext())
    files << QDir(folder).relativeFilePath(it.next());
  files.sort();
  return files;
}

PackageSettings inFolder(PackageSettings settings, const QString &folder)
{
  settings.generationDirectory = withTrailingSeparator(hostPath(folder));
  return settings;
}

// Relative path in the package and the payload it must hold; 0 for the generated text files.
using PackageContents = QMap<QString, int>;

} // namespace

Q_DECLARE_METATYPE(GenerationResult)
Q_DECLARE_METATYPE(EntryFault)

class TestPackage : public QObject
{
  Q_OBJECT

private Q_SLOTS:
  void textFile_data();
  void textFile();
  void packageContents_data();
  void packageContents();
  void failingStepKeepsEarlierFiles_data();
  void failingStepKeepsEarlierFiles();
  void repeatedRunOverwritesPackage();
  void refusedEntryWritesNothing_data();
  void refusedEntryWritesNothing();
};

void TestPackage::textFile_data()
{
  QTest::addColumn<PackageSettings>("settings");
  QTest::addColumn<bool>("inf");
  QTest::addColumn<QString>("expectedName");

  PackageSettings noCopy = acmeSerialPort(TargetSystem::WindowsXpFamily);
  noCopy.copyFiles = false;
  noCopy.quietInstall = true;
  PackageSettings explicitTarget = acmeSerialPort(TargetSystem::WindowsXpFamily);
  explicitTarget.relativeInstall = RelativeInstall::Explicit;
  explicitTarget.targetDirectory = QStringLiteral("C:\\Acme\\Cable\\");
  explicitTarget.quietUninstall = true;
  explicitTarget.removeFiles = false;

  QTest::newRow("INF of the Windows 7 serial-port package named abc")
      << acmeSerialPort(TargetSystem::Windows7) << true << "serial_windows7_abc.inf";
  QTest::newRow("INF of the direct-access package keeps its catalogue name")
      << acmeDirectAccess() << true << "direct_access_abc.inf";
  QTest::newRow("setup.ini of the Windows 7 serial-port package")
      << acmeSerialPort(TargetSystem::Windows7) << false << "setup_serial_windows7.ini";
  QTest::newRow("setup.ini with copying switched off") << noCopy << false << "setup_serial_no_copy.ini";
  QTest::newRow("setup.ini with an explicit target directory") << explicitTarget << false << "setup_serial_explicit.ini";
  QTest::newRow("setup.ini of the direct-access package") << acmeDirectAccess() << false << "setup_direct_access.ini";
}

void TestPackage::textFile()
{
  QFETCH(PackageSettings, settings);
  QFETCH(bool, inf);
  QFETCH(QString, expectedName);
  compareLines(inf ? packageInf(settings) : setupIni(settings), expectedFile(expectedName));
}

void TestPackage::packageContents_data()
{
  QTest::addColumn<PackageSettings>("settings");
  QTest::addColumn<PackageContents>("contents");
  QTest::addColumn<QString>("abbreviation");  // in the settings after the run

  QTest::newRow("serial-port package with installer")
      << acmeSerialPort(TargetSystem::WindowsXpFamily)
      << PackageContents{{"abc.inf", 0},
                         {"setup.ini", 0},
                         {"AcmeSetup.exe", 234},
                         {"x64/quelser.sys", 243},
                         {"x64/quelenm.sys", 245},
                         {"x64/WdfCoInstaller01007.dll", 244},
                         {"x86/quelser.sys", 247},
                         {"x86/quelenm.sys", 246},
                         {"x86/WdfCoInstaller01007.dll", 248}}
      << "ACME";

  PackageSettings infFilesOnly = acmeSerialPort(TargetSystem::Windows7);
  infFilesOnly.generateInstaller = false;
  QTest::newRow("Windows 7 serial-port package, INF files only")
      << infFilesOnly
      << PackageContents{{"abc.inf", 0},
                         {"x64/quelser.sys", 256},
                         {"x64/quelenm.sys", 245},
                         {"x64/WdfCoInstaller01009.dll", 257},
                         {"x86/quelser.sys", 253},
                         {"x86/quelenm.sys", 246},
                         {"x86/WdfCoInstaller01009.dll", 255}}
      << "ACME";

  QTest::newRow("direct-access package with installer")
      << acmeDirectAccess()
      << PackageContents{{"abc.inf", 0},
                         {"setup.ini", 0},
                         {"AcmeSetup.exe", 234},
                         {"x64/Qxusb.sys", 236},
                         {"x64/Qxlib.sys", 235},
                         {"x86/Qxusb.sys", 238},
                         {"x86/Qxlib.sys", 237}}
      << "acme";
}

void TestPackage::packageContents()
{
  QFETCH(PackageSettings, settings);
  QFETCH(PackageContents, contents);
  QFETCH(QString, abbreviation);
  QTemporaryDir folder;
  settings = inFolder(settings, folder.path());

  QCOMPARE(generatePackage(settings), GenerationResult::Success);

  QCOMPARE(settings.companyAbbreviation, abbreviation);

  QCOMPARE(filesBelow(folder.path()), contents.keys());
  for (auto it = contents.cbegin(); it != contents.cend(); ++it) {
    if (it.value() != 0)
      QVERIFY2(fileBytes(folder.filePath(it.key())) == payload(it.value()), qPrintable(it.key()));
  }
}

void TestPackage::failingStepKeepsEarlierFiles_data()
{
  QTest::addColumn<QString>("packageFolder");
  QTest::addColumn<QString>("blockingFile");
  QTest::addColumn<QString>("blockingFolder");
  QTest::addColumn<GenerationResult>("result");
  QTest::addColumn<QStringList>("present");
  QTest::addColumn<QStringList>("absent");

  // A folder or a file in the way fails the step even for a user who may write anywhere.
  QTest::newRow("package folder below a file")
      << "blocker/package" << "blocker" << "" << GenerationResult::DirectoryFailed << QStringList()
      << QStringList{"blocker/package"};
  QTest::newRow("INF name taken by a folder")
      << "package" << "" << "package/abc.inf" << GenerationResult::FileFailed
      << QStringList{"package/x86", "package/x64"} << QStringList{"package/setup.ini"};
  QTest::newRow("third driver file taken by a folder")
      << "package" << "" << "package/x64/WdfCoInstaller01007.dll" << GenerationResult::FileFailed
      << QStringList{"package/abc.inf", "package/setup.ini", "package/x64/quelser.sys", "package/x64/quelenm.sys"}
      << QStringList{"package/x86/quelser.sys", "package/AcmeSetup.exe"};
  QTest::newRow("installer name taken by a folder")
      << "package" << "" << "package/AcmeSetup.exe" << GenerationResult::FileFailed
      << QStringList{"package/x86/WdfCoInstaller01007.dll"} << QStringList();
}

void TestPackage::failingStepKeepsEarlierFiles()
{
  QFETCH(QString, packageFolder);
  QFETCH(QString, blockingFile);
  QFETCH(QString, blockingFolder);
  QFETCH(GenerationResult, result);
  QFETCH(QStringList, present);
  QFETCH(QStringList, absent);
  QTemporaryDir root;
  if (!blockingFile.isEmpty()) {
    QFile blocker(root.filePath(blockingFile));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
  }
  if (!blockingFolder.isEmpty())
    QVERIFY(QDir(root.path()).mkpath(blockingFolder));
  PackageSettings settings = inFolder(acmeSerialPort(TargetSystem::WindowsXpFamily), root.filePath(packageFolder));

  QCOMPARE(generatePackage(settings), result);

  for (const QString &path : present)
    QVERIFY2(QFileInfo::exists(root.filePath(path)), qPrintable(path));
  for (const QString &path : absent)
    QVERIFY2(!QFileInfo::exists(root.filePath(path)), qPrintable(path));
}

void TestPackage::repeatedRunOverwritesPackage()
{
  QTemporaryDir folder;
  PackageSettings settings = inFolder(acmeDirectAccess(), folder.path());
  QCOMPARE(generatePackage(settings), GenerationResult::Success);
  const QByteArray firstInf = fileBytes(folder.filePath("abc.inf"));
  for (const char *path : {"abc.inf", "x64/Qxusb.sys"}) {
    QFile earlier(folder.filePath(QLatin1String(path)));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("left over from an earlier package, and longer than what replaces it......................");
  }

  QCOMPARE(generatePackage(settings), GenerationResult::Success);

  QCOMPARE(fileBytes(folder.filePath("abc.inf")), firstInf);
  QCOMPARE(fileBytes(folder.filePath("x64/Qxusb.sys")), payload(236));
}

void TestPackage::refusedEntryWritesNothing_data()
{
  QTest::addColumn<PackageSettings>("settings");
  QTest::addColumn<QString>("fieldName"); // empty: nothing refused, the package is written
  QTest::addColumn<EntryFault>("fault");

  const auto acme = [](const std::function<void(PackageSettings &)> &change) {
    PackageSettings settings = acmeSerialPort(TargetSystem::WindowsXpFamily);
    change(settings);
    return settings;
  };
  // Written into setup.ini as it stands, this target would add a second "[VID]" section.
  QTest::newRow("target with a pasted second section")
      << acme([](PackageSettings &s) { s.targetDirectory = QStringLiteral("Quellon\\Drv\r\n[VID]\r\n0000"); })
      << "Target Directory" << EntryFault::ControlCharacter;
  QTest::newRow("target ending in a line break")
      << acme([](PackageSettings &s) { s.targetDirectory = QStringLiteral("Quellon\\Drv\\\n"); })
      << "Target Directory" << EntryFault::ControlCharacter;
  QTest::newRow("company name with a tab")
      << acme([](PackageSettings &s) { s.companyName = QStringLiteral("Acme\tControls"); })
      << "Company Name" << EntryFault::ControlCharacter;
  QTest::newRow("INF named after a device")
      << acme([](PackageSettings &s) { s.infName = QStringLiteral("CON"); }) << "File Name for .inf"
      << EntryFault::ReservedName;
  QTest::newRow("device name with a line feed")
      << acme([](PackageSettings &s) { s.deviceName = QStringLiteral("Acme\nCable"); }) << "Device Name"
      << EntryFault::ControlCharacter;
  QTest::newRow("product name with a carriage return")
      << acme([](PackageSettings &s) { s.productName = QStringLiteral("Acme\rDriver"); }) << "Product Name"
      << EntryFault::ControlCharacter;
  QTest::newRow("installer named only dots")
      << acme([](PackageSettings &s) { s.installerName = QStringLiteral(".."); }) << "Name for Installation File"
      << EntryFault::TrailingDotOrBlank;
  QTest::newRow("VID not padded") << acme([](PackageSettings &s) { s.vid = QStringLiteral("10C"); }) << "VID"
                                  << EntryFault::Unfilled;
  QTest::newRow("PID in lower case") << acme([](PackageSettings &s) { s.pid = QStringLiteral("c0a1"); }) << "PID"
                                     << EntryFault::Unfilled;
  // Entries the package does not use are not refused.
  QTest::newRow("target with a line break while files are not copied")
      << acme([](PackageSettings &s) {
           s.copyFiles = false;
           s.targetDirectory = QStringLiteral("Quellon\r\n[VID]");
         })
      << "" << EntryFault::None;
  QTest::newRow("installer named CON with INF files only")
      << acme([](PackageSettings &s) {
           s.generateInstaller = false;
           s.installerName = QStringLiteral("CON");
         })
      << "" << EntryFault::None;
}

void TestPackage::refusedEntryWritesNothing()
{
  QFETCH(PackageSettings, settings);
  QFETCH(QString, fieldName);
  QFETCH(EntryFault, fault);
  QTemporaryDir root;
  settings = inFolder(settings, root.filePath(QStringLiteral("package")));

  const std::optional<SettingsFault> refused = packageSettingsFault(settings);
  QCOMPARE(refused ? refused->fieldName : QString(), fieldName);
  QCOMPARE(refused ? refused->fault : EntryFault::None, fault);
  const GenerationResult result = generatePackage(settings);

  if (refused) {
    QCOMPARE(result, GenerationResult::RefusedEntry);
    QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("package"))));
  } else {
    QCOMPARE(result, GenerationResult::Success);
    QCOMPARE(QFileInfo::exists(root.filePath(QStringLiteral("package/setup.ini"))), settings.generateInstaller);
  }
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_portwiz_package.moc"
