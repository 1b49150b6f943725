#include "rtfreport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestRtfReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void escaped_data();
    void escaped();
    void writeReportFile_data();
    void writeReportFile();
    void missingFolderIsReported();
};

void TestRtfReport::escaped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("rtf");
    QTest::newRow("Ukrainian word and digit") << QStringLiteral("Зона 1")
                                              << QByteArray(R"(\'C7\'EE\'ED\'E0\'20\'31)");
    QTest::newRow("RTF specials lose their meaning") << QStringLiteral("\\{}")
                                                     << QByteArray(R"(\'5C\'7B\'7D)");
    QTest::newRow("byte below 0x10 keeps two digits") << QStringLiteral("\t")
                                                      << QByteArray(R"(\'09)");
    QTest::newRow("outside the code page") << QStringLiteral("Zö")
                                           << QByteArray(R"(\'5A\u246?)");
    QTest::newRow("unit above 0x7FFF is negative") << QStringLiteral("！")
                                                    << QByteArray(R"(\u-255?)");
    QTest::newRow("beyond 16 bits as two units") << QStringLiteral("😀")
                                                 << QByteArray(R"(\u-10179?\u-8704?)");
}

void TestRtfReport::escaped()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, rtf);
    QCOMPARE(rtfEscaped(text), rtf);
}

void TestRtfReport::writeReportFile_data()
{
    QTest::addColumn<bool>("oldFile");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("new file") << false << false;
    QTest::newRow("old file replaced") << true << false;
    QTest::newRow("read-only old file replaced") << true << true;
}

void TestRtfReport::writeReportFile()
{
    QFETCH(bool, oldFile);
    QFETCH(bool, readOnly);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("REPORT.rtf");
    if (oldFile) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older and much longer report that must not leave a tail behind");
        old.close();
        if (readOnly)
            QVERIFY(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadUser));
    }
    const QByteArray content("{\\rtf1 new}\r\n");

    const ReportFileResult result = ::writeReportFile(folder.path(), "REPORT.rtf", content);

    QVERIFY(result.ok());
    QCOMPARE(result.path, path);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), content);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"REPORT.rtf"});
}

void TestRtfReport::missingFolderIsReported()
{
    QTemporaryDir folder;
    const QString missing = folder.filePath("missing");
    const ReportFileResult result = ::writeReportFile(missing, "REPORT.rtf", "{\\rtf1}\r\n");
    QCOMPARE(result.error, ReportFileError::NotWritten);
    QVERIFY(!QFile::exists(result.path));
}

QTEST_APPLESS_MAIN(TestRtfReport)
#include "tst_rtfreport.moc"
