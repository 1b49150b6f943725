// Reports read and printed without an RTF viewer: the PDF holds the same texts as the RTF,
// read back with poppler's pdftotext.
#include "controlstartreport.h"
#include "gsmcodec.h"
#include "gsmreport.h"
#include "panelreport.h"
#include "reportoutput.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(SettingsReport)

namespace {

SettingsReport sixteenZoneReport()
{
    PanelSettings settings;
    settings.zones[0] = {kDetectorCombined, kModeTwoZones, {true, false, true, false, false}};
    return panelReport(PanelModel::SixteenZone, 2, "КОРВЕЛ-16П (KVL16P-2)", settings);
}

SettingsReport controlStartReport()
{
    controlstart::Settings settings;
    settings.zones[4] = {kDetectorClosed, kModeOneDetector, {false, false, true, false, false}};
    return controlstart::report(settings);
}

SettingsReport gsm4ModuleReport()
{
    Gsm4Settings settings = gsm4Defaults(Gsm4Variant::Gsm4);
    settings.inputTypes[1] = InputType::Fire;
    return gsm4Report("ЗМУ-GSM.4", Gsm4Variant::Gsm4, settings);
}

QString pdfText(const QString &path)
{
    QProcess reader;
    reader.start(QStandardPaths::findExecutable("pdftotext"), {"-layout", path, "-"});
    return reader.waitForFinished(30000) ? QString::fromUtf8(reader.readAllStandardOutput()) : QString();
}

} // namespace

class TstReportOutput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pdfHoldsTheReport_data();
    void pdfHoldsTheReport();
    void unwritablePdfLeavesNothing();
};

void TstReportOutput::pdfHoldsTheReport_data()
{
    QTest::addColumn<SettingsReport>("report");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("line"); // a pattern of one line of the first table

    QTest::newRow("16-zone panel: zone 1")
        << sixteenZoneReport() << "КОРВЕЛ - 16П (KVL16P-2)"
        << R"(1\s+комбінований\s+по двох зонах\s+так\s+ні\s+так\s+ні\s+ні)";
    QTest::newRow("control-and-start device: zone 5")
        << controlStartReport() << "ПУіЗ КОРВЕЛ - 2/4 (KVL24-1)" << R"(5\s+замкнутий\s+по одному СП\s+так\s+ні\s+ні)";
    QTest::newRow("GSM.4 module: loop 2") << gsm4ModuleReport() << "ЗМУ-GSM.4" << R"(Шлейф 2\s+пожар)";
}

void TstReportOutput::pdfHoldsTheReport()
{
    QFETCH(SettingsReport, report);
    QFETCH(QString, title);
    QFETCH(QString, line);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir folder;
    const QString path = folder.filePath("звіт.pdf");
    QVERIFY(writeReportPdf(path, report));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"звіт.pdf"});

    const QString text = pdfText(path);
    QVERIFY2(text.contains(title), qPrintable(text.left(400)));
    QVERIFY2(text.contains(QRegularExpression(line)), qPrintable(text.left(1200)));
}

void TstReportOutput::unwritablePdfLeavesNothing()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("missing/звіт.pdf");
    QVERIFY(!writeReportPdf(path, sixteenZoneReport()));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TstReportOutput)
#include "tst_reportoutput.moc"
