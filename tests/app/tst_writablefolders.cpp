// Where option.ini and the log go: beside a program whose folder can be written, into the
// user's folders when it cannot (an installed program).
#include "log.h"
#include "scripteddialogs.h"
#include "writablefolders.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The permission bits do not stop root: only a write that fails shows the folder is closed.
bool probeWriteSucceeds(const QString &folder)
{
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    const bool written = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return written;
}

QByteArray firstLine(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readLine() : QByteArray();
}

} // namespace

class TstWritableFolders : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void optionIniAndLogFollowTheProgramFolder_data();
    void optionIniAndLogFollowTheProgramFolder();

private:
    QTemporaryDir m_current;
    QTemporaryDir m_userConfig;
    QTemporaryDir m_userData;
    ScriptedDialogs m_dialogs;
};

void TstWritableFolders::initTestCase()
{
    QVERIFY(m_current.isValid() && m_userConfig.isValid() && m_userData.isValid());
    QDir::setCurrent(m_current.path());
    qputenv("XDG_CONFIG_HOME", m_userConfig.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_userData.path().toLocal8Bit());
    QCoreApplication::setApplicationName(QStringLiteral("vexloader"));
}

void TstWritableFolders::optionIniAndLogFollowTheProgramFolder_data()
{
    QTest::addColumn<bool>("programFolderWritable");
    QTest::addColumn<QString>("iniFolder");  // "program", or the user's folder below its root
    QTest::addColumn<QString>("logFolder");  // "current", or the user's folder below its root

    // A user folder is <XDG root>/<application name>.
    QTest::newRow("unpacked-anywhere") << true << "program" << "current";
    QTest::newRow("installed-read-only") << false << "config/vexloader" << "data/vexloader";
}

void TstWritableFolders::optionIniAndLogFollowTheProgramFolder()
{
    QFETCH(bool, programFolderWritable);
    QFETCH(QString, iniFolder);
    QFETCH(QString, logFolder);
    QTemporaryDir program;
    QVERIFY(program.isValid());
    const auto restore = qScopeGuard([&program] {
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setLogBaseFolder(QString());
    });
    if (!programFolderWritable) {
        QVERIFY(QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner));
        if (probeWriteSucceeds(program.path()))
            QSKIP("a read-only folder is still writable for this user (root)");
    }
    const auto folder = [&](const QString &name) {
        if (name == "program")
            return program.path();
        if (name == "current")
            return m_current.path();
        const QString root = name.startsWith("config") ? m_userConfig.path() : m_userData.path();
        return QDir(root).filePath(name.section(u'/', 1));
    };

    const WritableFolders folders = writableFolders(program.path());
    QCOMPARE(folders.optionIni, QDir(folder(iniFolder)).filePath(QStringLiteral("option.ini")));

    QSettings ini(folders.optionIni, QSettings::IniFormat);
    ini.setValue(QStringLiteral("MainForm/Top"), 7);
    ini.sync();
    QCOMPARE(ini.status(), QSettings::NoError);
    setLogBaseFolder(folders.logBase);
    WriteLog(QStringLiteral("запис"), QStringLiteral("test"), QStringLiteral("writableFolders"));

    const QString logPath = QDir(folder(logFolder)).filePath(QStringLiteral("Logs/VexLoader.log"));
    QCOMPARE(firstLine(logPath), QByteArray(kLogHeader) + "\r\n");
    QVERIFY(m_dialogs.messages.isEmpty());
    if (!programFolderWritable)
        QCOMPARE(QDir(program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_GUILESS_MAIN(TstWritableFolders)
#include "tst_writablefolders.moc"
