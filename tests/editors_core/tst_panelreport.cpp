#include "panelreport.h"
#include "rtfexpected.h"
#include "rtfreport.h"
#include "systempanelreport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(PanelModel)
Q_DECLARE_METATYPE(PanelSettings)

namespace {

const QString kHeadings = QStringLiteral(
    R"(\par \pard<stops>\cf0\fs20)"
    R"(«№ ЗОНИ»\tab«ТИП СПОВІЩУВАЧА»\tab«РЕЖИМ ЗБІГУ»\tab«АЗПЗ1»\tab«АЗПЗ2»\tab)");
const QString kZoneTabs = QStringLiteral("<stops>");
const QString kPlainZone = QStringLiteral(
    R"(\tab«%1»\tab«замкнутий»\tab«без збігу»\tab«ні»\tab«ні»\tab«ні»\tab«ні»\tab«ні»)");

QStringList plainZones(int first, int last)
{
    QStringList lines;
    for (int zone = first; zone <= last; ++zone)
        lines << kPlainZone.arg(zone) + (zone < last ? "\\" : "");
    return lines;
}

// The settings every document row starts from: zones 1 and 2 paired, one code field of each
// telephone number filled, the second number's protocol "Contact ID".
PanelSettings sampleSettings()
{
    PanelSettings settings;
    settings.zones[0] = {kDetectorCombined, kModeTwoZones, {true, false, true, false, false}};
    settings.zones[1] = {kDetectorClosed, kModeTwoZones, {false, false, false, false, true}};
    settings.spinners = {60, 120, 5, 8, 30, 1, 0, 0};
    settings.address = "05";
    settings.accessCode2 = "1234";
    settings.objectNumbers[0] = "12AB";
    settings.telephones[0].text = "044+123*5";
    settings.sectionFields[0][0] = "1A";  // section 18, field 1
    settings.sectionFields[14][3] = "FF"; // section 32, field 4
    settings.protocols = {0, 2};
    return settings;
}

QStringList sampleTimingAndReport(const QString &lineFault)
{
    return expectedTimingAndTestReport(lineFault) + QStringList{
        R"(\par \pard)",
        R"(\par \b«КОДИ ДОСТУПУ»)",
        kRtfBullets + R"(\b0)",
        R"(«код доступу до другого рівня»\tab\tab«1234»\)",
        R"(«код доступу до третього рівня»\tab\tab\)",
        R"(«об'єктові номера приладу №1»\tab\tab«12AB»\)",
        R"(«об'єктові номера приладу №2»\tab\tab\)",
        R"(«перший телефонний номер»\tab\tab«044+123*5»\)",
    };
}

// The fourteen section pairs of sampleSettings(), with the captions of the field tables;
// the section titles are numbered from `firstNumber`.
QStringList sampleSections(PanelModel model, int firstNumber = 18)
{
    const QHash<QPair<int, int>, QString> values{
        {{18, 1}, "1A"}, {{32, 4}, "FF"}, {{30, 1}, "20BPS"}, {{44, 1}, "Contact ID"}};
    QStringList lines;
    for (int first = 18; first <= 31; ++first) {
        const int second = first + 14;
        lines << R"(\par \pard)"
              << R"(\par \tx4828\b«)" + sectionTitle(first - 18, firstNumber) + R"(»\tab«)"
                     + sectionTitle(second - 18, firstNumber) + "»"
              << R"(\par \pard\tx284\tx3692\tx5112\tx8520\b0)";
        const QStringList captions = sectionFieldCaptions(model, second - 18);
        for (int k = 1; k <= captions.size(); ++k) {
            const QString &caption = captions[k - 1];
            lines << QStringLiteral(R"(\tab«%1»\tab«%2»\tab«%1»\tab«%3»)")
                         .arg(caption, values.value({first, k}), values.value({second, k}))
                    + (k < captions.size() ? "\\" : "");
        }
    }
    return lines << R"(\par \pard)" << R"(\par })";
}

QByteArray reportLine(const QByteArray &rtf, const QString &start)
{
    const QByteArray prefix = expandRtf(start);
    for (const QByteArray &line : rtf.split('\n')) {
        if (line.startsWith(prefix))
            return line.chopped(1); // the CR of the line end
    }
    return {};
}

// HTML text with its character references (&#1050; and the one named &ouml;) resolved.
QString withCharacters(QString html)
{
    static const QRegularExpression reference(QStringLiteral("&#(\\d+);"));
    QRegularExpressionMatch match;
    while ((match = reference.match(html)).hasMatch())
        html.replace(match.capturedStart(), match.capturedLength(),
                     QChar(match.captured(1).toInt()));
    return html.replace(QStringLiteral("&ouml;"), QStringLiteral("ö"));
}

} // namespace

class TestPanelReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void document_data();
    void document();
    void variantLines_data();
    void variantLines();
    void fileName_data();
    void fileName();
    void rtfReaderRecoversTheTexts();
    void systemPanelDocument();
    void systemPanelFields();
};

void TestPanelReport::initTestCase()
{
    if (!QStringEncoder("windows-1251").isValid())
        QSKIP("this Qt has no windows-1251 converter to work out the expected escapes");
}

void TestPanelReport::document_data()
{
    QTest::addColumn<PanelModel>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("rtf");

    const QStringList firstZones{
        R"(\tab«1»\tab«комбінований»\tab«по двох зонах»)"
        R"(\tab«так»\tab«ні»\tab«так»\tab«ні»\tab«ні»\)",
        R"(\tab«2»\tab«замкнутий»\tab«по двох зонах»\tab«ні»\tab«ні»\tab«ні»\tab«ні»\tab«так»\)",
    };
    const QString fourAndEightHeadings = kHeadings + R"(«"ОПОВ"»\tab«РЕЛ 1»\tab«РЕЛ 2»)";
    const QString fourAndEightBullets = kRtfBullets + kZoneTabs + R"(\b0)";

    QTest::newRow("4-zone variant 2, without an address")
        << PanelModel::FourZone << 2 << "КОРВЕЛ-4П (KVL4P-2)"
        << expectedRtfDocument(QStringList{kRtfProlog, kRtfColours, kRtfTitle + "«КОРВЕЛ - 4П (KVL4P-2)»",
                                fourAndEightHeadings, fourAndEightBullets}
                    + firstZones + plainZones(3, 4)
                    + sampleTimingAndReport("не підтримується")
                    + QStringList{R"(«другий телефонний номер»\tab\tab)"}
                    + sampleSections(PanelModel::FourZone));

    QTest::newRow("8-zone variant 4")
        << PanelModel::EightZone << 4 << "КОРВЕЛ-8П (KVL8P-4)"
        << expectedRtfDocument(QStringList{kRtfProlog, kRtfColours, kRtfTitle + "«КОРВЕЛ - 8П (KVL8P-4)»",
                                fourAndEightHeadings, fourAndEightBullets}
                    + firstZones + plainZones(3, 8) + sampleTimingAndReport("5 хв")
                    + QStringList{R"(«другий телефонний номер»\tab\tab\)",
                                  R"(«адреса в системі "Корвел-16.64П"»\tab«05»)"}
                    + sampleSections(PanelModel::EightZone));

    QTest::newRow("16-zone variant 3")
        << PanelModel::SixteenZone << 3 << "КОРВЕЛ-16П (KVL16P-3)"
        << expectedRtfDocument(QStringList{kRtfProlog, kRtfColours, kRtfTitle + "«КОРВЕЛ - 16П (KVL16P-3)»",
                                kHeadings + R"(«АЗПЗ3»\tab«АЗПЗ4»\tab«"ОПОВ"»)",
                                kRtfBullets + kZoneTabs + R"(\b0)"}
                    + firstZones + plainZones(3, 16) + sampleTimingAndReport("5 хв")
                    + QStringList{R"(«другий телефонний номер»\tab\tab\)",
                                  R"(«адреса в системі "Корвел-16.64П"»\tab«05»)"}
                    + sampleSections(PanelModel::SixteenZone));
}

void TestPanelReport::document()
{
    QFETCH(PanelModel, model);
    QFETCH(int, variant);
    QFETCH(QString, title);
    QFETCH(QByteArray, rtf);
    const QByteArray report = withStopsMarked(reportRtf(panelReport(model, variant, title, sampleSettings())));
    const QByteArrayList reportLines = report.split('\n');
    const QByteArrayList expectedLines = rtf.split('\n');
    for (qsizetype i = 0; i < qMin(reportLines.size(), expectedLines.size()); ++i)
        QVERIFY2(reportLines[i] == expectedLines[i], qPrintable(QString("line %1").arg(i + 1)));
    QCOMPARE(report, rtf);
}

void TestPanelReport::variantLines_data()
{
    QTest::addColumn<PanelModel>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("lineFault");
    QTest::addColumn<QString>("address"); // empty: no address line

    const QString unsupported = QStringLiteral("не підтримується");
    const auto four = PanelModel::FourZone;
    const auto eight = PanelModel::EightZone;
    QTest::newRow("4-zone 2: no line-fault time") << four << 2 << unsupported << QString();
    QTest::newRow("4-zone 3") << four << 3 << "7 хв" << QString();
    QTest::newRow("4-zone 5") << four << 5 << "7 хв" << QString();
    QTest::newRow("8-zone 2: neither") << eight << 2 << unsupported << unsupported;
    QTest::newRow("8-zone 3: no address") << eight << 3 << "7 хв" << unsupported;
    QTest::newRow("8-zone 4") << eight << 4 << "7 хв" << "06";
    QTest::newRow("8-zone 6") << eight << 6 << "7 хв" << "06";
    QTest::newRow("16-zone 2 has both") << PanelModel::SixteenZone << 2 << "7 хв" << "06";
}

void TestPanelReport::variantLines()
{
    QFETCH(PanelModel, model);
    QFETCH(int, variant);
    QFETCH(QString, lineFault);
    QFETCH(QString, address);
    PanelSettings settings;
    settings.spinner(PanelSpinner::LineFault) = 7;
    settings.address = "06";
    const QByteArray rtf = reportRtf(panelReport(model, variant, "КОРВЕЛ-8П", settings));

    const QString lineFaultCaption = QStringLiteral("«час виявлення несправності лінії»");
    QCOMPARE(reportLine(rtf, lineFaultCaption),
             expandRtf(lineFaultCaption + R"(\tab«)" + lineFault + "»"));
    const QString addressCaption = QStringLiteral(R"(«адреса в системі "Корвел-16.64П"»)");
    const QByteArray addressLine = expandRtf(addressCaption + R"(\tab«)" + address + "»");
    QCOMPARE(reportLine(rtf, addressCaption), address.isEmpty() ? QByteArray() : addressLine);
}

// The name a report is offered under: the model without the variant, and the day.
void TestPanelReport::fileName_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("16-zone") << "КОРВЕЛ-16П (KVL16P-4)" << "КОРВЕЛ-16П 2026-12-09";
    QTest::newRow("4-zone") << "КОРВЕЛ-4П (KVL4P-3)" << "КОРВЕЛ-4П 2026-12-09";
    QTest::newRow("GSM module without a variant") << "ЗМУ-GSM" << "ЗМУ-GSM 2026-12-09";
    QTest::newRow("GSM.4 keeps its dot") << "ЗМУ-С112.4" << "ЗМУ-С112.4 2026-12-09";
    QTest::newRow("slash cannot be in a file name") << "ПУіЗ КОРВЕЛ - 2/4 (KVL24-1)" << "ПУіЗ КОРВЕЛ - 2_4 2026-12-09";
}

void TestPanelReport::fileName()
{
    QFETCH(QString, title);
    QFETCH(QString, fileName);
    QCOMPARE(reportBaseName(title, QDate(2026, 12, 9)), fileName);
}

// unrtf's plain-text output keeps only the low byte of a non-ASCII character, so the texts are
// read from its HTML output, where they are numeric character references.
void TestPanelReport::rtfReaderRecoversTheTexts()
{
    QTemporaryDir folder;
    PanelSettings settings = sampleSettings();
    settings.objectNumbers[1] = QStringLiteral("Zö");
    const ReportFileResult result = writeReportFile(
        folder.path(), "KORVEL-8P2.rtf", reportRtf(panelReport(PanelModel::EightZone, 2, "КОРВЕЛ-8П (KVL8P-2)", settings)));
    QVERIFY(result.ok());
    const QString unrtf = QStandardPaths::findExecutable("unrtf");
    if (unrtf.isEmpty())
        QSKIP("unrtf is not installed");

    QProcess reader;
    reader.start(unrtf, {"--html", result.path});
    QVERIFY(reader.waitForFinished(10000));
    const QString html = withCharacters(QString::fromUtf8(reader.readAllStandardOutput()));

    for (const QString &text : {QStringLiteral("КОРВЕЛ - 8П (KVL8P-2)"),
                                QStringLiteral("ЧАСОВІ НАЛАШТУВАННЯ"),
                                QStringLiteral("не підтримується"), QStringLiteral("по двох зонах"),
                                QStringLiteral("Пожежна тривога в зоні 8"),
                                QStringLiteral("Contact ID"), QStringLiteral("Zö")})
        QVERIFY2(html.contains(text), qPrintable(text));
}

// The 16-zone report with the 16.64P panel's title and file, its six-digit codes, no
// system-address line, and sections 19/33 up to 32/46.
void TestPanelReport::systemPanelDocument()
{
    PanelSettings settings = sampleSettings();
    settings.accessCode3 = QStringLiteral("123456");
    QStringList lines{kRtfProlog, kRtfColours, kRtfTitle + "«КОРВЕЛ - 16.64П (KVL16.64P-1)»",
                      kHeadings + R"(«АЗПЗ3»\tab«АЗПЗ4»\tab«"ОПОВ"»)",
                      kRtfBullets + kZoneTabs + R"(\b0)"};
    lines << R"(\tab«1»\tab«комбінований»\tab«по двох зонах»\tab«так»\tab«ні»\tab«так»\tab«ні»\tab«ні»\)"
          << R"(\tab«2»\tab«замкнутий»\tab«по двох зонах»\tab«ні»\tab«ні»\tab«ні»\tab«ні»\tab«так»\)";
    lines += plainZones(3, 16) + sampleTimingAndReport("5 хв");
    lines.replace(lines.indexOf(R"(«код доступу до третього рівня»\tab\tab\)"),
                  R"(«код доступу до третього рівня»\tab\tab«123456»\)");
    lines << R"(«другий телефонний номер»\tab\tab)";
    lines += sampleSections(PanelModel::SixteenZone, 19);
    const QByteArray expected = expectedRtfDocument(lines);
    QCOMPARE(withStopsMarked(reportRtf(systemPanelReport(settings))), expected);
    QVERIFY(expected.contains(expandRtf("«Секція 19 – Коди пожежної тривоги»\\tab«Секція 33 – Коди пожежної тривоги»")));
    QVERIFY(expected.contains(expandRtf("«Секція 32 – Інші коди»\\tab«Секція 46 – Інші коди»")));
}

// What verification and comparison name: the panel's fields without a system address, the
// sections numbered from 19, and the system table.
void TestPanelReport::systemPanelFields()
{
    SystemPanelSettings settings;
    settings.system.setSlotType(2, kSlotEightZone);
    settings.system.addModule(1);
    settings.system.setRelayZones(2, 1, 4, 0x0081);
    const QList<SettingField> fields = systemPanelSettingFields(settings);
    const QString table = QStringLiteral("Приписка ППКП");
    QVERIFY(fields.contains(SettingField{table, "прилад 3", "Корвел-8П"}));
    QVERIFY(fields.contains(SettingField{table, "прилад 7", "(пусто)"}));
    QVERIFY(fields.contains(SettingField{table, "РВМ-8 №1", "ні"}));
    QVERIFY(fields.contains(SettingField{table, "РВМ-8 №2, реле 4, прилад 3", "1, 8"}));
    QVERIFY(fields.contains(SettingField{table, "РВМ-8 №2, реле 1, прилад 1", ""}));
    const auto named = [&fields](const QString &start) {
        return std::any_of(fields.begin(), fields.end(), [&](const SettingField &f) { return f.name.startsWith(start); });
    };
    QVERIFY(named("Секція 19 – Коди пожежної тривоги, поле 1"));
    QVERIFY(!named("Секція 18"));
    QVERIFY(!named("адреса в системі"));
}

QTEST_APPLESS_MAIN(TestPanelReport)
#include "tst_panelreport.moc"
