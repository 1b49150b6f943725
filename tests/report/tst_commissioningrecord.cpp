// The commissioning record as a document (its header, the differences, the model's settings
// and the signatures) for a panel, the 16.64P and a GSM.4 module, its pages when printed, and
// a report cut to what differs from the factory settings.
#include "changedsettings.h"
#include "commissioningrecord.h"
#include "panelcodec.h"
#include "panelreport.h"
#include "panelsections.h"
#include "registry.h"
#include "reportoutput.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(PanelSettings)

namespace {

const QString kPanelTitle = QStringLiteral("КОРВЕЛ-16П (KVL16P-2)");

CommissioningRecord recordOf(Model model, quint8 variant, bool differs)
{
    const DeviceDefinition &d = modelInfo(model);
    CommissioningRecord r;
    r.title = d.title(variant);
    r.target = QStringLiteral("прилад");
    r.port = QStringLiteral("/dev/ttyUSB0");
    r.written = QDateTime(QDate(2026, 12, 9), QTime(14, 3, 12));
    r.site = QStringLiteral("Школа № 5");
    r.address = QStringLiteral("вул. Шевченка, 12");
    r.objectNumber = QStringLiteral("0A1B");
    r.operatorName = QStringLiteral("Петренко");
    // Every code and number of the memory image set: the longest the record gets.
    SettingsImages images = d.factoryImages(variant);
    images.memory.fill('\x12');
    r.settings = d.report(images, variant);
    r.eepromCrc = 0xCBF43926; // CRC-32 of "123456789"
    r.memoryCrc = 0x414FA339;
    if (differs)
        r.differences = {{QStringLiteral("Коди доступу"), QStringLiteral("код 2 рівня"), QStringLiteral("1234"),
                          QStringLiteral("1235")}};
    return r;
}

int pdfPages(const QString &path)
{
    QProcess info;
    info.start(QStandardPaths::findExecutable("pdfinfo"), {path});
    if (!info.waitForFinished(30000))
        return -1;
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(info.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// The factory settings of the 16-zone panel, read as the editor would hold them.
PanelSettings factoryPanel()
{
    const SettingsImages images = modelInfo(Model::Korvel16p).factoryImages(2);
    PanelSettings s;
    decodeEeprom(PanelModel::SixteenZone, 2, images.eeprom, s);
    decodeMemory(PanelModel::SixteenZone, images.memory, s);
    return s;
}

} // namespace

class TstCommissioningRecord : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void recordDocument_data();
    void recordDocument();
    void changedFromFactory_data();
    void changedFromFactory();
};

void TstCommissioningRecord::recordDocument_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("differs");
    QTest::addColumn<int>("maxPages"); // A4 pages of its PDF

    QTest::newRow("16-zone panel, checked") << int(Model::Korvel16p) << 2 << false << 3;
    QTest::newRow("16-zone panel, with a difference") << int(Model::Korvel16p) << 2 << true << 3;
    QTest::newRow("16.64P panel") << int(Model::Korvel16_64p) << 2 << false << 5;
    QTest::newRow("GSM.4 module") << int(Model::ZmuGsm4) << 1 << true << 3;
}

void TstCommissioningRecord::recordDocument()
{
    QFETCH(int, model);
    QFETCH(int, variant);
    QFETCH(bool, differs);
    QFETCH(int, maxPages);
    const CommissioningRecord record = recordOf(Model(model), quint8(variant), differs);
    const SettingsReport document = commissioningRecordReport(record);

    const ReportBlock &header = document.blocks.first();
    QStringList captions;
    for (const QStringList &row : header.rows)
        captions << row.value(0);
    QCOMPARE(captions, (QStringList{"Об'єкт", "Адреса", "Прилад", "Номер об'єкта", "Записано в", "Порт",
                                    "Дата і час перевірки", "Оператор", "CRC-32 EEPROM (прочитано)",
                                    "CRC-32 пам'яті (прочитано)", "Результат"}));
    QCOMPARE(header.rows.at(0).value(1), QStringLiteral("Школа № 5"));
    QCOMPARE(header.rows.at(6).value(1), QStringLiteral("09.12.2026 14:03:12"));
    QCOMPARE(header.rows.at(8).value(1), QStringLiteral("CBF43926"));
    QCOMPARE(header.rows.at(9).value(1), QStringLiteral("414FA339"));
    QCOMPARE(header.rows.at(10).value(1), differs ? QStringLiteral("розбіжності після запису") : QStringLiteral("перевірено"));

    const qsizetype settingsFrom = differs ? 2 : 1;
    if (differs)
        QCOMPARE(document.blocks.at(1).rows,
                 (QList<QStringList>{{"Коди доступу: код 2 рівня", "1234", "1235"}}));
    QCOMPARE(document.blocks.at(settingsFrom).rows, record.settings.blocks.first().rows);
    // The sections, side by side in the report, are a line each: title, then every value.
    qsizetype sections = 0;
    for (const ReportBlock &block : record.settings.blocks)
        sections += block.kind == ReportBlock::Kind::Fields ? block.headings.size() : 0;
    const ReportBlock &compact = document.blocks.at(document.blocks.size() - 2);
    QCOMPARE(compact.headings.value(0) == QStringLiteral("СЕКЦІЯ") ? compact.rows.size() : 0, sections);
    const ReportBlock &signatures = document.blocks.last();
    QCOMPARE(signatures.rows.value(0).value(0), QStringLiteral("Налаштував"));
    QCOMPARE(signatures.rows.value(1).value(0), QStringLiteral("Перевірив / прийняв"));

    if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
        QSKIP("pdfinfo (poppler-utils) is not installed");
    QTemporaryDir folder;
    const QString pdf = folder.filePath("протокол.pdf");
    QVERIFY(writeHtmlPdf(pdf, commissioningRecordHtml(record), QStringLiteral("протокол")));
    const int pages = pdfPages(pdf);
    QVERIFY2(pages >= 1 && pages <= maxPages, qPrintable(QString::number(pages)));
}

void TstCommissioningRecord::changedFromFactory_data()
{
    QTest::addColumn<PanelSettings>("settings");
    QTest::addColumn<QString>("heading"); // of the one block left
    QTest::addColumn<QStringList>("row"); // its one row

    PanelSettings zone = factoryPanel();
    zone.zones[2].mode = kModeTwoZones;
    QStringList zoneRow{"3", "замкнутий", "по двох зонах"};
    for (bool output : zone.zones[2].outputs)
        zoneRow << (output ? QStringLiteral("так") : QStringLiteral("ні"));
    QTest::newRow("zone 3 mode") << zone << "№ ЗОНИ" << zoneRow;

    PanelSettings telephone = factoryPanel();
    telephone.telephones[0] = {"0441234567", "0441234567D00000", false};
    QTest::newRow("first telephone") << telephone << "КОДИ ДОСТУПУ"
                                     << QStringList{"перший телефонний номер", "", "0441234567"};

    PanelSettings section = factoryPanel();
    section.sectionFields[0][0] = QStringLiteral("5A");
    const QStringList captions = sectionFieldCaptions(PanelModel::SixteenZone, 0);
    QTest::newRow("first code of the first section") << section << sectionTitle(0)
                                                      << QStringList{captions.value(0), "5A", captions.value(0),
                                                                     factoryPanel().sectionFields[14][0]};
}

void TstCommissioningRecord::changedFromFactory()
{
    QFETCH(PanelSettings, settings);
    QFETCH(QString, heading);
    QFETCH(QStringList, row);
    const SettingsReport factory = panelReport(PanelModel::SixteenZone, 2, kPanelTitle, factoryPanel());
    const SettingsReport changed =
        changedSettings(panelReport(PanelModel::SixteenZone, 2, kPanelTitle, settings), factory);
    QCOMPARE(changed.blocks.size(), 1);
    QCOMPARE(changed.blocks.first().headings.value(0), heading);
    QCOMPARE(changed.blocks.first().rows, QList<QStringList>{row});
}

QTEST_MAIN(TstCommissioningRecord)
#include "tst_commissioningrecord.moc"
