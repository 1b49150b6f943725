#include "acmesettings.h"
#include "ansitext.h"
#include "summary.h"
#include "targetdirectory.h"
#include "validation.h"

#include <QDir>
#include <QtTest>

Q_DECLARE_METATYPE(EntryFault)

namespace {

// The generation directory a new package type proposes on this host.
QString defaultGenerationDirectory(const char *folder)
{
#ifdef Q_OS_WIN
  Q_UNUSED(folder)
  QSKIP("the default folder depends on the Windows drive");
#endif
  return QDir::homePath() + QStringLiteral("/Quellon/MCU/") + QLatin1String(folder);
}

PackageSettings serialPortDefaults()
{
  PackageSettings settings;
  settings.driverType = DriverType::SerialPort;
  settings.companyName = QStringLiteral("Quellon");
  settings.companyAbbreviation = QStringLiteral("quel");
  settings.infName = QStringLiteral("quelvcp");
  settings.vid = QStringLiteral("F0E1");
  settings.pid = QStringLiteral("C0A1");
  settings.deviceName = QStringLiteral("QL410x USB to UART Bridge");
  settings.installerName = QStringLiteral("QL410xVCPInstaller");
  settings.productName = QStringLiteral("Quellon QL410x USB to UART Bridge");
  settings.targetDirectory = QStringLiteral("Quellon\\MCU\\QL410x\\");
  settings.generationDirectory = defaultGenerationDirectory("CustomQL410xDriverInstall");
  return settings;
}

PackageSettings directAccessDefaults()
{
  PackageSettings settings;
  settings.driverType = DriverType::DirectAccess;
  settings.companyName = QStringLiteral("Quellon");
  settings.companyAbbreviation = QStringLiteral("quel");
  settings.infName = QStringLiteral("Qxusb");
  settings.vid = QStringLiteral("F0E1");
  settings.pid = QStringLiteral("C0A2");
  settings.deviceName = QStringLiteral("Brisklink Device");
  settings.installerName = QStringLiteral("BrisklinkInstaller");
  settings.productName = QStringLiteral("Quellon Brisklink Device");
  settings.targetDirectory = QStringLiteral("Quellon\\MCU\\Brisklink\\");
  settings.generationDirectory = defaultGenerationDirectory("CustomBrisklinkDriverInstall");
  return settings;
}

// Every option away from its default, as a user who went through the pages leaves them.
PackageSettings withUserChoices(PackageSettings settings)
{
  settings.generateInstaller = false;
  settings.companyName = QStringLiteral("Acme Controls");
  settings.quietInstall = true;
  settings.copyFiles = false;
  settings.relativeInstall = RelativeInstall::Explicit;
  settings.quietUninstall = true;
  settings.removeFiles = false;
  return settings;
}

} // namespace

class TestRules : public QObject
{
  Q_OBJECT

private Q_SLOTS:
  void usbIdEntry_data();
  void usbIdEntry();
  void directoryName_data();
  void directoryName();
  void nameChecks_data();
  void nameChecks();
  void directoryEntry_data();
  void directoryEntry();
  void selectDriverType_data();
  void selectDriverType();
  void targetDirectory_data();
  void targetDirectory();
  void summary_data();
  void summary();
  void windows1252_data();
  void windows1252();
};

void TestRules::usbIdEntry_data()
{
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("stored");  // empty: refused

  QTest::newRow("three digits in lower case") << "10c" << "010C";
  QTest::newRow("empty field") << "" << "0000";
  QTest::newRow("four digits") << "F0E1" << "F0E1";
  QTest::newRow("blanks around the digits") << " 1A " << "001A";
  QTest::newRow("letter G") << "10G" << "";
  QTest::newRow("blank between digits") << "1 2" << "";
  QTest::newRow("five digits") << "10C00" << "";
  QTest::newRow("hex prefix") << "0x1" << "";
}

void TestRules::usbIdEntry()
{
  QFETCH(QString, typed);
  QFETCH(QString, stored);
  QCOMPARE(usbIdFromEntry(typed).value_or(QString()), stored);
}

void TestRules::directoryName_data()
{
  QTest::addColumn<QString>("text");
  QTest::addColumn<QChar>("separator");
  QTest::addColumn<bool>("valid");

  const QChar windows = u'\\';
  const QChar unix = u'/';
  QTest::newRow("drive and folder") << "C:\\out" << windows << true;
  QTest::newRow("relative folders") << "Quellon\\MCU\\QL410x\\" << windows << true;
  QTest::newRow("network share") << "\\\\server\\share" << windows << true;
  QTest::newRow("drive-relative") << "D:out" << windows << false;
  QTest::newRow("colon inside a name") << "C:\\a:b" << windows << false;
  QTest::newRow("colon at the end") << "C:" << windows << false;
  QTest::newRow("empty") << "" << windows << false;
  QTest::newRow("only blanks") << "   " << windows << false;
  QTest::newRow("blanks around a drive") << "  C:\\out  " << windows << true;
  QTest::newRow("slash") << "C:\\a/b" << windows << false;
  QTest::newRow("double quote") << "C:\\\"out\"" << windows << false;
  QTest::newRow("star") << "C:\\*" << windows << false;
  QTest::newRow("question mark") << "C:\\out?" << windows << false;
  QTest::newRow("less than") << "C:\\<out" << windows << false;
  QTest::newRow("greater than") << "C:\\out>" << windows << false;
  QTest::newRow("bar") << "C:\\a|b" << windows << false;
  QTest::newRow("carriage return (a line of its own in setup.ini)") << "C:\\out\rSetup" << windows << false;
  QTest::newRow("tab") << "C:\\a\tb" << windows << false;
  QTest::newRow("line feed after the folder") << "C:\\out\n" << windows << false;
  QTest::newRow("host path with slashes") << "/home/user/out" << unix << true;
  QTest::newRow("backslash on a slash host") << "/home/user\\out" << unix << false;
  QTest::newRow("colon before a slash") << "/mnt/c:/out" << unix << true;
  QTest::newRow("drive-relative on a slash host") << "D:out" << unix << false;
}

void TestRules::directoryName()
{
  QFETCH(QString, text);
  QFETCH(QChar, separator);
  QFETCH(bool, valid);
  QCOMPARE(isValidDirectoryName(text, separator), valid);
}

void TestRules::nameChecks_data()
{
  QTest::addColumn<QString>("name");
  QTest::addColumn<EntryFault>("asQuotedName"); // company, device and product names
  QTest::addColumn<EntryFault>("asFileName");   // INF and installer names

  using F = EntryFault;
  QTest::newRow("plain name") << "Acme Controls" << F::None << F::None;
  QTest::newRow("apostrophe and ampersand") << "O'Neil & Sons" << F::None << F::None;
  QTest::newRow("typographic quotes") << QString::fromUtf8("\u201cAcme\u201d") << F::None << F::None;
  QTest::newRow("Cyrillic letters") << QString::fromUtf8("Прилад") << F::None << F::None;
  QTest::newRow("double quote") << "Acme \"Best\" Controls" << F::DoubleQuote << F::ForbiddenCharacter;
  QTest::newRow("line feed") << "Acme\nControls" << F::ControlCharacter << F::ControlCharacter;
  QTest::newRow("carriage return") << "Acme\rControls" << F::ControlCharacter << F::ControlCharacter;
  QTest::newRow("pasted second section") << "Quellon\r\n[VID]\r\n0000" << F::ControlCharacter << F::ControlCharacter;
  QTest::newRow("tab") << "a\tb" << F::ControlCharacter << F::ControlCharacter;
  QTest::newRow("escape") << "a\x1b" "b" << F::ControlCharacter << F::ControlCharacter;
  QTest::newRow("delete") << "ab\x7f" << F::ControlCharacter << F::ControlCharacter;
  QTest::newRow("next-line control") << QString::fromUtf8("a\u0085b") << F::ControlCharacter << F::ControlCharacter;
  QTest::newRow("line separator") << QString::fromUtf8("a\u2028b") << F::ControlCharacter << F::ControlCharacter;
  QTest::newRow("parent folder with slash") << "../abc" << F::None << F::ForbiddenCharacter;
  QTest::newRow("parent folder with backslash") << "..\\abc" << F::None << F::ForbiddenCharacter;
  QTest::newRow("drive") << "C:abc" << F::None << F::ForbiddenCharacter;
  QTest::newRow("star") << "ab*" << F::None << F::ForbiddenCharacter;
  QTest::newRow("console device") << "CON" << F::None << F::ReservedName;
  QTest::newRow("printer device in lower case") << "prn" << F::None << F::ReservedName;
  QTest::newRow("auxiliary device with extension") << "Aux.inf" << F::None << F::ReservedName;
  QTest::newRow("null device with two extensions") << "nul.tar.gz" << F::None << F::ReservedName;
  QTest::newRow("first serial port") << "COM1" << F::None << F::ReservedName;
  QTest::newRow("ninth printer port") << "lpt9" << F::None << F::ReservedName;
  QTest::newRow("device name with a blank before the extension") << "COM3 .exe" << F::None << F::ReservedName;
  QTest::newRow("port number 0 is no device") << "COM0" << F::None << F::None;
  QTest::newRow("port number 10 is no device") << "LPT10" << F::None << F::None;
  QTest::newRow("device name inside a longer name") << "CONSOLE" << F::None << F::None;
  QTest::newRow("device name after a prefix") << "myCON" << F::None << F::None;
  QTest::newRow("trailing dot") << "a." << F::None << F::TrailingDotOrBlank;
  QTest::newRow("trailing blank") << "abc " << F::None << F::TrailingDotOrBlank;
  QTest::newRow("only a blank") << " " << F::None << F::TrailingDotOrBlank;
  QTest::newRow("one dot") << "." << F::None << F::TrailingDotOrBlank;
  QTest::newRow("only dots") << ".." << F::None << F::TrailingDotOrBlank;
  QTest::newRow("leading dot") << ".abc" << F::None << F::None;
  QTest::newRow("dot inside") << "quel.vcp" << F::None << F::None;
  QTest::newRow("stock INF name") << "quelvcp" << F::None << F::None;
  QTest::newRow("stock installer name") << "QL410xVCPInstaller" << F::None << F::None;
  QTest::newRow("empty") << "" << F::None << F::Unfilled;
}

void TestRules::nameChecks()
{
  QFETCH(QString, name);
  QFETCH(EntryFault, asQuotedName);
  QFETCH(EntryFault, asFileName);
  QCOMPARE(quotedNameFault(name), asQuotedName);
  QCOMPARE(fileNameFault(name), asFileName);
}

void TestRules::directoryEntry_data()
{
  QTest::addColumn<QString>("text");
  QTest::addColumn<EntryFault>("fault");

  QTest::newRow("stock target") << "Quellon\\MCU\\QL410x\\" << EntryFault::None;
  QTest::newRow("pasted second section") << "Quellon\\Drv\r\n[VID]\r\n0000" << EntryFault::ControlCharacter;
  QTest::newRow("trailing line break") << "Quellon\\Drv\\\r\n" << EntryFault::ControlCharacter;
  QTest::newRow("leading line feed") << "\nQuellon\\Drv\\" << EntryFault::ControlCharacter;
  QTest::newRow("tab") << "Quellon\tDrv" << EntryFault::ControlCharacter;
  QTest::newRow("star") << "Acme\\*" << EntryFault::NotADirectoryName;
  QTest::newRow("only blanks") << "   " << EntryFault::NotADirectoryName;
}

void TestRules::directoryEntry()
{
  QFETCH(QString, text);
  QFETCH(EntryFault, fault);
  QCOMPARE(directoryFault(text, u'\\'), fault);
}

void TestRules::selectDriverType_data()
{
  QTest::addColumn<PackageSettings>("before");
  QTest::addColumn<DriverType>("chosen");
  QTest::addColumn<PackageSettings>("after");

  PackageSettings windows7 = serialPortDefaults();
  windows7.targetSystem = TargetSystem::Windows7;
  PackageSettings windows7DirectAccess = withUserChoices(directAccessDefaults());
  windows7DirectAccess.targetSystem = TargetSystem::Windows7;
  PackageSettings keptWindows7 = serialPortDefaults();
  keptWindows7.generateInstaller = false;
  keptWindows7.targetSystem = TargetSystem::Windows7;
  PackageSettings keptDirectAccess = directAccessDefaults();
  keptDirectAccess.generateInstaller = false;

  QTest::newRow("first choice") << PackageSettings() << DriverType::SerialPort << serialPortDefaults();
  QTest::newRow("serial-port to direct-access")
      << withUserChoices(windows7) << DriverType::DirectAccess << keptDirectAccess;
  QTest::newRow("direct-access to serial-port keeps the operating system")
      << windows7DirectAccess << DriverType::SerialPort << keptWindows7;
  QTest::newRow("same type keeps the entries")
      << withUserChoices(windows7) << DriverType::SerialPort << withUserChoices(windows7);
}

void TestRules::selectDriverType()
{
  QFETCH(PackageSettings, before);
  QFETCH(DriverType, chosen);
  QFETCH(PackageSettings, after);
  ::selectDriverType(before, chosen);
  QVERIFY(before == after);
}

void TestRules::targetDirectory_data()
{
  QTest::addColumn<QString>("text");
  QTest::addColumn<RelativeInstall>("entry");
  QTest::addColumn<QString>("adjusted");
  QTest::addColumn<QString>("prefix");

  QTest::newRow("explicit puts the drive in front")
      << "Quellon\\MCU\\QL410x\\" << RelativeInstall::Explicit << "C:\\Quellon\\MCU\\QL410x\\" << "";
  QTest::newRow("back to Program Files removes the drive")
      << "C:\\Quellon\\MCU\\QL410x\\" << RelativeInstall::ProgramFiles << "Quellon\\MCU\\QL410x\\"
      << "C:\\Program Files\\";
  QTest::newRow("Windows drive removes every drive")
      << "C:\\a\\C:\\b\\" << RelativeInstall::WindowsDrive << "a\\b\\" << "C:\\";
  QTest::newRow("explicit keeps a drive found anywhere")
      << "D:\\x\\C:\\y" << RelativeInstall::Explicit << "D:\\x\\C:\\y" << "";
  QTest::newRow("explicit puts the drive before another drive")
      << "D:\\x\\" << RelativeInstall::Explicit << "C:\\D:\\x\\" << "";
}

void TestRules::targetDirectory()
{
  QFETCH(QString, text);
  QFETCH(RelativeInstall, entry);
  QFETCH(QString, adjusted);
  QFETCH(QString, prefix);
  QCOMPARE(adjustTargetDirectory(text, entry), adjusted);
  QCOMPARE(targetPrefixLabel(entry), prefix);
}

void TestRules::summary_data()
{
  QTest::addColumn<PackageSettings>("settings");
  QTest::addColumn<QString>("deviceLabel");
  QTest::addColumn<QStringList>("values");

  PackageSettings infFilesOnly = acmeSerialPort(TargetSystem::WindowsXpFamily);
  infFilesOnly.generateInstaller = false;
  infFilesOnly.generationDirectory = QStringLiteral("C:\\out\\");
  QTest::newRow("INF files only") << infFilesOnly << "* COM Device Name:"
                                  << QStringList{"VCP Driver Set", "", "Acme Controls", "acme", "", "F0E1/C0A1",
                                                 "abc.inf", "Acme USB Serial Cable", "", "No", "-", "-", "-", "-", "-",
                                                 "-", "-", "-", "", "C:\\out\\"};

  PackageSettings noCopy = acmeDirectAccess();
  noCopy.copyFiles = false;
  noCopy.quietInstall = true;
  noCopy.generationDirectory = QStringLiteral("C:\\out\\");
  QTest::newRow("installer without copying")
      << noCopy << "* USB Device Name:"
      << QStringList{"Brisklink Driver Set", "", "Acme Controls", "acme", "", "F0E1/C0A2", "abc.inf",
                     "Acme Brisklink Probe", "", "Yes", "Acme Brisklink Probe Driver", "AcmeSetup", "No", "No",
                     "Relative To Windows Drive", "-", "Yes", "-", "", "C:\\out\\"};

  PackageSettings explicitTarget = acmeSerialPort(TargetSystem::Windows7);
  explicitTarget.relativeInstall = RelativeInstall::Explicit;
  explicitTarget.quietUninstall = true;
  explicitTarget.generationDirectory = QStringLiteral("C:\\out\\");
  QTest::newRow("installer copying to an explicit directory")
      << explicitTarget << "* COM Device Name:"
      << QStringList{"VCP Driver Set", "", "Acme Controls", "acme", "", "F0E1/C0A1", "abc.inf",
                     "Acme USB Serial Cable", "", "Yes", "Acme Serial Cable Driver", "AcmeSetup", "Yes", "Yes",
                     "Explicit Directory", "Acme\\Cable\\", "No", "Yes", "", "C:\\out\\"};
}

void TestRules::summary()
{
  QFETCH(PackageSettings, settings);
  QFETCH(QString, deviceLabel);
  QFETCH(QStringList, values);
  const QStringList labels = summaryLabels(settings.driverType);
  QCOMPARE(summaryValues(settings), values);
  QCOMPARE(labels.size(), values.size());
  QCOMPARE(labels.at(7), deviceLabel);
  for (qsizetype row = 0; row < labels.size(); ++row)
    QCOMPARE(labels.at(row).isEmpty(), values.at(row).isEmpty());
}

void TestRules::windows1252_data()
{
  QTest::addColumn<QString>("text");
  QTest::addColumn<QByteArray>("bytes");

  QTest::newRow("ASCII") << "Acme 1.0" << QByteArray("Acme 1.0");
  QTest::newRow("Latin-1 letters") << QString::fromUtf8("Soci\u00e9t\u00e9 \u00c5") << QByteArray("Soci\xe9t\xe9 \xc5");
  QTest::newRow("euro sign") << QString::fromUtf8("\u20ac") << QByteArray("\x80");
  QTest::newRow("trade mark and right quote") << QString::fromUtf8("Acme\u2122 \u2019") << QByteArray("Acme\x99 \x92");
  QTest::newRow("y with diaeresis") << QString::fromUtf8("\u0178") << QByteArray("\x9f");
  QTest::newRow("Cyrillic letter") << QString::fromUtf8("\u0416") << QByteArray("?");
  QTest::newRow("C1 control character") << QString(QChar(0x81)) << QByteArray("?");
}

void TestRules::windows1252()
{
  QFETCH(QString, text);
  QFETCH(QByteArray, bytes);
  QCOMPARE(toWindows1252(text), bytes);
}

QTEST_GUILESS_MAIN(TestRules)
#include "tst_portwiz_rules.moc"
