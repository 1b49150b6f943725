#include "controlstartreport.h"
#include "panelreport.h"
#include "rtfreport.h"
#include "systempanelreport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
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
    void zoneColumnsFitTheirHeadings_data();
    void zoneColumnsFitTheirHeadings();
};

namespace {

// The stops of the first line holding `format` (an RTF control run), in twips.
QList<int> tabStopsOf(const QByteArray &rtf, const QRegularExpression &format)
{
    const QRegularExpressionMatch line = format.match(QString::fromLatin1(rtf));
    QList<int> stops;
    auto stop = QRegularExpression(QStringLiteral(R"(\\tx(\d+))")).globalMatch(line.captured(1));
    while (stop.hasNext())
        stops << stop.next().captured(1).toInt();
    return stops;
}

int control(const QByteArray &rtf, const char *word)
{
    return QRegularExpression(QStringLiteral(R"(\\%1(\d+))").arg(QLatin1String(word)))
        .match(QString::fromLatin1(rtf))
        .captured(1)
        .toInt();
}

// Less than any Times New Roman Bold text of 10 points takes: 0.65 em (130 twips) for a
// capital, half an em for a digit or "№" or a quotation mark, a quarter for a space.
int narrowestWidth(const QString &text)
{
    int width = 0;
    for (QChar ch : text)
        width += ch == u' ' ? 50 : ch.isUpper() ? 130 : 100;
    return width;
}

} // namespace

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

void TestRtfReport::zoneColumnsFitTheirHeadings_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("headings");
    const QStringList first{"№ ЗОНИ", "ТИП СПОВІЩУВАЧА", "РЕЖИМ ЗБІГУ"};
    const QStringList panel = first + QStringList{"АЗПЗ1", "АЗПЗ2", "\"ОПОВ\"", "РЕЛ 1", "РЕЛ 2"};
    const QStringList sixteen = first + QStringList{"АЗПЗ1", "АЗПЗ2", "АЗПЗ3", "АЗПЗ4", "\"ОПОВ\""};
    PanelSettings settings;
    settings.zones[3].detectorType = 2; // "комбінований", the widest type
    settings.zones[3].mode = 3;         // "по двох зонах"
    QTest::newRow("4-zone") << reportRtf(panelReport(PanelModel::FourZone, 4, "КОРВЕЛ-4П (KVL4P-3)", settings)) << panel;
    QTest::newRow("8-zone") << reportRtf(panelReport(PanelModel::EightZone, 5, "КОРВЕЛ-8П (KVL8P-5)", settings)) << panel;
    QTest::newRow("16-zone, the most columns")
        << reportRtf(panelReport(PanelModel::SixteenZone, 2, "КОРВЕЛ-16П (KVL16P-2)", settings)) << sixteen;
    QTest::newRow("16.64P") << reportRtf(systemPanelReport(settings)) << sixteen;
    QTest::newRow("control-and-start device")
        << reportRtf(controlstart::report(controlstart::Settings{}))
        << first + QStringList{"\"ОПОВ\"", "РЕЛ 1", "РЕЛ 2"};
}

// Each heading stands over its column and ends before the next one begins, and the last
// ends inside the page's text width: a word processor then wraps none of them.
void TestRtfReport::zoneColumnsFitTheirHeadings()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, headings);
    const QList<int> headingStops = tabStopsOf(rtf, QRegularExpression(R"(\\par \\pard((\\tx\d+)+)\\cf0\\fs20)"));
    const QList<int> valueStops = tabStopsOf(rtf, QRegularExpression(R"(\\li200((\\tx\d+)+)\\b0)"));
    QCOMPARE(headingStops.size(), headings.size() - 1);
    QCOMPARE(valueStops.size(), headings.size()); // and one for the zone number after the bullet
    QCOMPARE(valueStops.mid(1), headingStops);

    int headingStart = 0;
    for (qsizetype i = 0; i < headingStops.size(); ++i) {
        QVERIFY2(headingStops[i] - headingStart >= narrowestWidth(headings[i]), qPrintable(headings[i]));
        headingStart = headingStops[i];
    }
    const int textWidth = control(rtf, "paperw") - control(rtf, "margl") - control(rtf, "margr");
    QVERIFY(textWidth > 0);
    QVERIFY(headingStart + narrowestWidth(headings.last()) <= textWidth);
    QVERIFY(valueStops[0] > 200); // past the bullet's indent
}

QTEST_APPLESS_MAIN(TestRtfReport)
#include "tst_rtfreport.moc"
