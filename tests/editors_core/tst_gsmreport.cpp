// The GSM modules' settings reports: the documented lines, escaped as the report style
// writes them (expected texts worked out by hand from code page 1251).
#include "gsmcodec.h"
#include "gsmreport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr char kProlog[] =
    R"({\rtf1\ansi\ansicpg1251\deff0\deflang1049{\fonttbl{\f0\fnil\fcharset204{\*\fname Times New Roman;}Times New Roman CYR;}{\f1\fnil\fcharset0 Times New Roman;}{\f2\fnil\fcharset2 Symbol;}})"
    "\r\n"
    R"({\colortbl ;\red0\green0\blue255;})"
    "\r\n";
constexpr char kBullets[] =
    R"(\par \pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-200\li200\b0)";

QList<QByteArray> lines(const QByteArray &rtf)
{
    return rtf.split('\n');
}

} // namespace

class TstGsmReport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gsmCsdReportIsTheChannelLineOnly();
    void gsmGprsReportListsEverySetting();
    void gsm4Report_data();
    void gsm4Report();
    void gsm4FileNamedAfterTheTitle();
};

void TstGsmReport::gsmCsdReportIsTheChannelLineOnly()
{
    GsmSettings s = gsmDefaults();
    s.text(GprsField::Identifier) = QStringLiteral("1234"); // written, but not reported for CSD
    const QByteArray expected = QByteArray(kProlog)
                                + R"(\paperw11906\paperh16838\margl1134\margr567\margt1134\margb1134\viewkind4\uc1\pard\qc\cf1\b\f0\fs32\'5A\'4D\'55\'2D\'47\'53\'4D)"
                                  "\r\n"
                                + R"(\par \pard)"
                                  "\r\n"
                                + R"(\par \cf0\fs20\b\'43\'53\'44\'20\'2D\'20\'EA\'E0\'ED\'E0\'EB)"
                                  "\r\n"
                                + R"(\par \pard)"
                                  "\r\n"
                                + R"(\par })"
                                  "\r\n";
    QCOMPARE(reportRtf(gsmReport(s)), expected);
}

void TstGsmReport::gsmGprsReportListsEverySetting()
{
    GsmSettings s = gsmDefaults();
    s.channel = GsmChannel::Gprs;
    s.text(GprsField::PortPpk) = QStringLiteral("12");
    s.text(GprsField::AltIp) = QStringLiteral("10.1.1.1");
    const QList<QByteArray> report = lines(reportRtf(gsmReport(s)));
    QCOMPARE(report.size(), 3 + 3 + 12 + 2 + 1);
    QCOMPARE(report[4], QByteArray(R"(\par \cf0\fs20\b\'47\'50\'52\'53\'20\'2D\'20\'EA\'E0\'ED\'E0\'EB)"
                                   "\r"));
    QCOMPARE(report[5], QByteArray(kBullets) + '\r');
    // "Порт ППК", tab, "12", and a line break: more lines follow.
    QCOMPARE(report[6 + 6], QByteArray(R"(\'CF\'EE\'F0\'F2\'20\'CF\'CF\'CA\tab\'31\'32\)"
                                       "\r"));
    // The alternative IP address as it is written: normalised.
    QVERIFY(report[6 + 5].endsWith(
        QByteArray(R"(\tab\'30\'31\'30\'2E\'30\'30\'31\'2E\'30\'30\'31\'2E\'30\'30\'31\)"
                   "\r")));
    QVERIFY(report[6 + 11].endsWith(QByteArray(R"(\tab\'30)"
                                               "\r"))); // last line: no line break
}

void TstGsmReport::gsm4Report_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QByteArrayList>("headings"); // in order
    QTest::addColumn<int>("channelLines");
    const QByteArray inputs = R"(\'D2\'E8\'EF\'20\'E2\'F5\'EE\'E4\'B3\'E2)"; // Тип входів
    const QByteArray levels =
        R"(\'C0\'EA\'F2\'E8\'E2\'ED\'E8\'E9\'20\'F0\'B3\'E2\'E5\'ED\'FC)"; // Активний рівень
    const QByteArray csd = R"(\'43\'53\'44\'20\'2D\'20\'EA\'E0\'ED\'E0\'EB)";
    const QByteArray gprs = R"(\'47\'50\'52\'53\'20\'2D\'20\'EA\'E0\'ED\'E0\'EB)";
    const QByteArray parameters = R"(\'CF\'E0\'F0\'E0\'EC\'E5\'F2\'F0\'E8)"; // Параметри
    QTest::newRow("gsm4-csd") << 1 << int(GsmChannel::Csd) << QByteArrayList{inputs, levels, csd, parameters}
                              << 5;
    QTest::newRow("gsm4-gprs") << 1 << int(GsmChannel::Gprs)
                               << QByteArrayList{inputs, levels, gprs, parameters} << 12;
    QTest::newRow("s112-without-hidden-code")
        << 2 << int(GsmChannel::Gprs) << QByteArrayList{inputs, levels, gprs, parameters} << 11;
}

void TstGsmReport::gsm4Report()
{
    QFETCH(int, variant);
    QFETCH(int, channel);
    QFETCH(QByteArrayList, headings);
    QFETCH(int, channelLines);
    Gsm4Settings s = gsm4Defaults(Gsm4Variant(variant));
    s.common.channel = GsmChannel(channel);
    s.inputTypes[1] = InputType::Fire;
    s.eventCodes[6] = QStringLiteral("007");
    const QList<QByteArray> report =
        lines(reportRtf(::gsm4Report(QStringLiteral("ЗМУ-GSM.4"), Gsm4Variant(variant), s)));
    QList<int> headingLines;
    for (const QByteArray &heading : headings) {
        const auto found = std::find_if(report.begin(), report.end(),
                                        [&](const QByteArray &l) { return l.endsWith(heading + '\r'); });
        QVERIFY2(found != report.end(), heading.constData());
        headingLines.append(int(found - report.begin()));
    }
    QVERIFY(std::is_sorted(headingLines.begin(), headingLines.end()));
    QCOMPARE(headingLines[1] - headingLines[0], 2 + 2 + 1);            // bullets, two loops, paragraph end
    QCOMPARE(headingLines[3] - headingLines[2], 1 + channelLines + 2); // and the paragraph end
    // "Шлейф 2", tab, "пожар"; the second loop line ends the list.
    QCOMPARE(report[headingLines[0] + 3], QByteArray(R"(\'D8\'EB\'E5\'E9\'F4\'20\'32\tab\'EF\'EE\'E6\'E0\'F0)"
                                                     "\r"));
    // The heading, bullets, 13 codes, the two closing lines and what follows the last line end.
    QCOMPARE(report.size(), headingLines[3] + 1 + 1 + 13 + 2 + 1);
    QVERIFY(report[headingLines[3] + 2 + 6].endsWith(QByteArray(R"(\tab\'30\'30\'37\)"
                                                                "\r")));
}

// The GSM.4 module's report is titled as its editor, for either variant.
void TstGsmReport::gsm4FileNamedAfterTheTitle()
{
    const QString title = QStringLiteral("ЗМУ-С112.4");
    const QList<QByteArray> report = lines(reportRtf(::gsm4Report(title, Gsm4Variant::S112, gsm4Defaults(Gsm4Variant::S112))));
    QVERIFY(report[2].endsWith(QByteArray(R"(\fs32\'C7\'CC\'D3\'2D\'D1\'31\'31\'32\'2E\'34)") + '\r'));
    QCOMPARE(reportBaseName(title, QDate(2026, 12, 9)), QStringLiteral("ЗМУ-С112.4 2026-12-09"));
}

QTEST_GUILESS_MAIN(TstGsmReport)
#include "tst_gsmreport.moc"
