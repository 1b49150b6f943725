// vexsim's command line: every kind of bad option ends with a message and exit code 2
// before any terminal is opened; --help names every option.
#include "vexsimprocess.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int kWaitMs = 10000;
}

class TstSimCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void badOptionsExitWithTwo_data();
    void badOptionsExitWithTwo();
    void helpNamesEveryOption();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

QString TstSimCli::writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return file.fileName();
}

void TstSimCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(!writeFile("short16p.vau", QByteArray::fromHex("1E02") + QByteArray(539, '\0')).isEmpty());
    QVERIFY(!writeFile("type200.vau", QByteArray::fromHex("C801") + QByteArray(203, '\0')).isEmpty());
    QVERIFY(!writeFile("one-byte.vau", QByteArray::fromHex("1E")).isEmpty());
}

void TstSimCli::badOptionsExitWithTwo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message"); // a part of what standard error must say

    QTest::newRow("unknown-option") << QStringList{"--bogus"} << "bogus";
    QTest::newRow("unknown-model") << QStringList{"--model", "99x"} << "--model";
    QTest::newRow("type-code-above-255") << QStringList{"--model", "256"} << "--model";
    QTest::newRow("variant-above-255") << QStringList{"--variant", "0x100"} << "--variant";
    QTest::newRow("baud-zero") << QStringList{"--baud", "0"} << "--baud";
    QTest::newRow("baud-not-a-number") << QStringList{"-b", "fast"} << "--baud";
    QTest::newRow("unknown-fault-action") << QStringList{"--faults", "explode"} << "explode";
    QTest::newRow("split-into-one-piece") << QStringList{"--faults", "split:1"} << "split";
    QTest::newRow("request-number-zero") << QStringList{"--faults", "drop,req=0"} << "request number";
    QTest::newRow("missing-settings-file")
        << QStringList{"--load", "/nonexistent/x.vau"} << "cannot read";
    QTest::newRow("settings-file-one-byte-short")
        << QStringList{"--load", m_dir.filePath("short16p.vau")} << "shorter";
    QTest::newRow("settings-file-without-header")
        << QStringList{"--load", m_dir.filePath("one-byte.vau")} << "cannot read";
    QTest::newRow("settings-file-of-unknown-type")
        << QStringList{"--load", m_dir.filePath("type200.vau")} << "not supported";
    QTest::newRow("settings-file-of-other-model")
        << QStringList{"--model", "8p", "--load", m_dir.filePath("short16p.vau")} << "--model";
    QTest::newRow("save-for-a-model-without-layout")
        << QStringList{"--model", "200", "--save", "x.vau"} << "not supported";
    QTest::newRow("stray-argument") << QStringList{"extra"} << "extra";
}

void TstSimCli::badOptionsExitWithTwo()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QProcess vexsim;
    vexsim.start(vexsimProgram(), arguments);
    QVERIFY(vexsim.waitForFinished(kWaitMs));
    QCOMPARE(vexsim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(vexsim.exitCode(), 2);
    const QString error = QString::fromLocal8Bit(vexsim.readAllStandardError());
    QVERIFY2(error.contains(message), qPrintable(error));
    QVERIFY(vexsim.readAllStandardOutput().isEmpty()); // no terminal path was printed
}

void TstSimCli::helpNamesEveryOption()
{
    QProcess vexsim;
    vexsim.start(vexsimProgram(), {"--help"});
    QVERIFY(vexsim.waitForFinished(kWaitMs));
    QCOMPARE(vexsim.exitCode(), 0);
    const QString help = QString::fromLocal8Bit(vexsim.readAllStandardOutput());
    for (const char *option : {"--model", "--variant", "--no-configurator", "--baud", "--load",
                               "--save", "--faults", "--verbose", "drop", "corrupt", "wrongcmd",
                               "split", "delay", "garbage", "truncate", "silent", "cmd=", "req=",
                               "times=", "always"})
        QVERIFY2(help.contains(QLatin1String(option)), option);
}

QTEST_GUILESS_MAIN(TstSimCli)
#include "tst_simcli.moc"
