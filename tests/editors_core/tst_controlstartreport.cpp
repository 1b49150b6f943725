// The 2/4's settings report, line by line against a document written by hand in the RTF
// style of the panels' reports; the report file's name; the fields verification names.
#include "controlstartreport.h"
#include "rtfexpected.h"
#include "rtfreport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace controlstart;

namespace {

Settings sampleSettings()
{
    Settings s;
    s.zones[4] = {kDetectorClosed, kModeOneDetector, {false, false, true, false, false}};
    s.zones[7] = {kDetectorCombined, kModeTwoZones, {false, false, false, true, true}};
    s.directions[0] = {kSupply12, true, 30, 5};
    s.times = {60, 120, 7};
    s.testReport = {8, 30, 1, 0, 0};
    s.accessCode2 = "0420";
    s.accessCode3 = "12345";
    s.objectNumbers[0] = "12AB";
    s.telephones[0].text = "044+123*5";
    s.sectionFields[0][0] = "1A"; // edS151
    s.lists[0] = 2;               // cbS271
    s.sectionFields[19][2] = "0F"; // edS353
    return s;
}

QStringList headLines()
{
    return {kRtfProlog, kRtfColours, kRtfTitle + "«ПУіЗ КОРВЕЛ - 2/4 (KVL24-1)»",
            R"(\par \pard<stops>\cf0\fs20)"
            R"(«№ ЗОНИ»\tab«ТИП СПОВІЩУВАЧА»\tab«РЕЖИМ ЗБІГУ»\tab«"ОПОВ"»\tab«РЕЛ 1»\tab«РЕЛ 2»)",
            kRtfBullets + R"(<stops>\b0)",
            R"(\tab«5»\tab«замкнутий»\tab«по одному СП»\tab«так»\tab«ні»\tab«ні»\)",
            R"(\tab«6»\tab«розімкнутий»\tab«без збігу»\tab«ні»\tab«ні»\tab«ні»\)",
            R"(\tab«7»\tab«розімкнутий»\tab«без збігу»\tab«ні»\tab«ні»\tab«ні»\)",
            R"(\tab«8»\tab«комбінований»\tab«по двох зонах»\tab«ні»\tab«так»\tab«так»)"};
}

QStringList directionLines(int number, const char *supply, const char *control, int evacuation, int release)
{
    return {R"(\par \pard)", QStringLiteral(R"(\par \b«НАПРЯМОК %1»)").arg(number), kRtfBullets + R"(\b0)",
            QStringLiteral(R"(«живлення»\tab\tab«%1»\)").arg(QString::fromUtf8(supply)),
            QStringLiteral(R"(«контролювання випуску»\tab\tab«%1»\)").arg(QString::fromUtf8(control)),
            QStringLiteral(R"(«час затримки на евакуацію»\tab\tab«%1 сек»\)").arg(evacuation),
            QStringLiteral(R"(«час випускання вогнегасної речовини»\tab\tab«%1 хв»)").arg(release)};
}

QStringList timesAndCodes()
{
    return expectedTimingAndTestReport(QStringLiteral("7 хв")) + QStringList{
        R"(\par \pard)",
        R"(\par \b«КОДИ ДОСТУПУ»)",
        kRtfBullets + R"(\b0)",
        R"(«код доступу до другого рівня»\tab\tab«0420»\)",
        R"(«код доступу до третього рівня»\tab\tab«12345»\)",
        R"(«об'єктові номера приладу №1»\tab\tab«12AB»\)",
        R"(«об'єктові номера приладу №2»\tab\tab\)",
        R"(«перший телефонний номер»\tab\tab«044+123*5»\)",
        R"(«другий телефонний номер»\tab\tab)"};
}

// The 20 sections, each titled, with one line per field; the captions are the section
// table's (checked against the documentation in tst_controlstartmap).
QStringList sectionLines()
{
    const QHash<QPair<int, int>, QString> values{{{15, 1}, "1A"}, {{27, 1}, "Contact ID"}, {{35, 3}, "0F"}};
    const QList<int> numbers{15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 34, 35};
    QStringList lines;
    for (int i = 0; i < numbers.size(); ++i) {
        const SectionEntry &section = sectionTable().sections.at(i);
        lines << R"(\par \pard)" << R"(\par \b«)" + section.title + "»" << R"(\par \pard\tx284\tx3692\b0)";
        for (int k = 1; k <= section.fieldCount(); ++k)
            lines << QStringLiteral(R"(\tab«%1»\tab«%2»)").arg(section.fieldCaptions[k - 1], values.value({numbers[i], k}))
                    + (k < section.fieldCount() ? "\\" : "");
    }
    return lines << R"(\par \pard)" << R"(\par })";
}

} // namespace

class TstControlStartReport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void document();
    void writtenAsItsOwnFile();
    void fieldsNameDirectionsAndLeaveTheClockOut();
};

void TstControlStartReport::initTestCase()
{
    if (!QStringEncoder("windows-1251").isValid())
        QSKIP("this Qt has no windows-1251 converter to work out the expected escapes");
}

void TstControlStartReport::document()
{
    const QByteArray expected = expectedRtfDocument(headLines() + directionLines(1, "12 В", "так", 30, 5)
                                                    + directionLines(2, "24 В", "ні", 0, 1) + timesAndCodes()
                                                    + sectionLines());
    const QByteArray written = withStopsMarked(reportRtf(report(sampleSettings())));
    const QByteArrayList reportLines = written.split('\n');
    const QByteArrayList expectedLines = expected.split('\n');
    for (qsizetype i = 0; i < qMin(reportLines.size(), expectedLines.size()); ++i)
        QVERIFY2(reportLines[i] == expectedLines[i], qPrintable(QString("line %1").arg(i + 1)));
    QCOMPARE(written, expected);
}

// Written as the user names it, the report file holds the document whole.
void TstControlStartReport::writtenAsItsOwnFile()
{
    QTemporaryDir dir;
    const QByteArray rtf = reportRtf(report(sampleSettings()));
    const ReportFileResult result = writeReportFile(dir.path(), "ПУіЗ КОРВЕЛ - 2_4 2026-12-09.rtf", rtf);
    QVERIFY(result.ok());
    QFile file(result.path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), rtf);
}

void TstControlStartReport::fieldsNameDirectionsAndLeaveTheClockOut()
{
    Settings before = sampleSettings();
    Settings after = before;
    after.directions[1].releaseTime = 12;
    after.clock.deviceText = "07.03.26 14:30:25";
    const QList<FieldDifference> list = differences(settingFields(before), settingFields(after));
    QCOMPARE(list, (QList<FieldDifference>{
                       {"Напрямки", "Напрямок 2: час випускання вогнегасної речовини", "1 хв", "12 хв"}}));
}

QTEST_GUILESS_MAIN(TstControlStartReport)
#include "tst_controlstartreport.moc"
