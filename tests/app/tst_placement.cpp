// Window placement in option.ini.
#include "placement.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TstPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void mainRoundTrip_data();
    void mainRoundTrip();
    void missingOrUnreadableFileGivesDefaults_data();
    void missingOrUnreadableFileGivesDefaults();
    void editorSectionKeepsPositionOnlyWhenNormal();
    void readOnlyFileReportsFailure();
};

void TstPlacement::mainRoundTrip_data()
{
    QTest::addColumn<int>("state");
    QTest::newRow("normal") << 0;
    QTest::newRow("maximised") << 2;
}

void TstPlacement::mainRoundTrip()
{
    QFETCH(int, state);
    QTemporaryDir dir;
    const QString path = dir.filePath("option.ini");
    {
        QSettings ini(path, QSettings::IniFormat);
        QVERIFY(writeMainPlacement(ini, {10, 20, 800, 600, state}));
    }
    QSettings ini(path, QSettings::IniFormat);
    const WindowPlacement p = readMainPlacement(ini, {1920, 1080});
    QCOMPARE(p.top, 10);
    QCOMPARE(p.left, 20);
    QCOMPARE(p.width, 800);
    QCOMPARE(p.height, 600);
    QCOMPARE(p.state, state);
}

void TstPlacement::missingOrUnreadableFileGivesDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no-file") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x01\x02[[[MainForm\nTop=abc\nWindowsState=9\n");
    QTest::newRow("bad-values") << QByteArray("[MainForm]\nTop=x\nLeft=\nWidth=wide\nWindowsState=7\n");
}

void TstPlacement::missingOrUnreadableFileGivesDefaults()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath("option.ini");
    if (!content.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QSettings ini(path, QSettings::IniFormat);
    const WindowPlacement p = readMainPlacement(ini, {1024, 768});
    QCOMPARE(p.top, 0);
    QCOMPARE(p.left, 0);
    QCOMPARE(p.width, 1024);
    QCOMPARE(p.height, 768);
    QCOMPARE(p.state, 0);
}

void TstPlacement::editorSectionKeepsPositionOnlyWhenNormal()
{
    QTemporaryDir dir;
    QSettings ini(dir.filePath("option.ini"), QSettings::IniFormat);
    QVERIFY(writeEditorPlacement(ini, "KorvelForm4p", {30, 40, 0, 0, 0}));
    QVERIFY(writeEditorPlacement(ini, "KorvelForm8p", {30, 40, 0, 0, 1}));
    const WindowPlacement normal = readEditorPlacement(ini, "KorvelForm4p");
    QCOMPARE(normal.top, 30);
    QCOMPARE(normal.left, 40);
    const WindowPlacement minimised = readEditorPlacement(ini, "KorvelForm8p");
    QCOMPARE(minimised.state, 1);
    QCOMPARE(minimised.top, 0);
    QCOMPARE(minimised.left, 0);
}

void TstPlacement::readOnlyFileReportsFailure()
{
    QTemporaryDir dir;
    // A folder where the file should be cannot be written whatever the user's rights.
    QVERIFY(QDir(dir.path()).mkdir("option.ini"));
    QSettings ini(dir.filePath("option.ini"), QSettings::IniFormat);
    QVERIFY(!writeMainPlacement(ini, {1, 2, 3, 4, 0}));
}

QTEST_GUILESS_MAIN(TstPlacement)
#include "tst_placement.moc"
