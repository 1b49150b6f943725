#include "panelsections.h"

#include <QTest>

Q_DECLARE_METATYPE(PanelModel)

class TestPanelTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sectionBlocks_data();
    void sectionBlocks();
    void fieldCaptions_data();
    void fieldCaptions();
    void everyFieldHasACaption();
    void sectionTitles();
};

void TestPanelTables::sectionBlocks_data()
{
    QTest::addColumn<PanelModel>("model");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("deviceAddress");
    QTest::addColumn<int>("imageOffset");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("descriptor");
    QTest::addColumn<int>("data");
    // Rows from the section map, worked out for each model.
    const auto four = PanelModel::FourZone;
    const auto eight = PanelModel::EightZone;
    const auto sixteen = PanelModel::SixteenZone;
    QTest::newRow("4-zone 18") << four << 18 << 0x4880 << 30 << 4 << 0x1F00 << 0x4500;
    QTest::newRow("4-zone 31") << four << 31 << 0x4A80 << 104 << 16 << 0x2C00 << 0x5200;
    QTest::newRow("4-zone 45") << four << 45 << 0x4AC0 << 194 << 16 << 0x3A00 << 0x6000;
    QTest::newRow("8-zone 30") << eight << 30 << 0x4E00 << 126 << 10 << 0x2B00 << 0x5100;
    QTest::newRow("8-zone 43") << eight << 43 << 0x5000 << 240 << 8 << 0x3800 << 0x5E00;
    QTest::newRow("8-zone 45") << eight << 45 << 0x4AC0 << 258 << 16 << 0x3A00 << 0x6000;
    QTest::newRow("16-zone 28") << sixteen << 28 << 0x4F40 << 190 << 8 << 0x2900 << 0x4F00;
    QTest::newRow("16-zone 29") << sixteen << 29 << 0x4FC0 << 198 << 8 << 0x2A00 << 0x5000;
    QTest::newRow("16-zone 42") << sixteen << 42 << 0x4F80 << 392 << 8 << 0x3700 << 0x5D00;
    QTest::newRow("16-zone 45") << sixteen << 45 << 0x4AC0 << 418 << 16 << 0x3A00 << 0x6000;
}

void TestPanelTables::sectionBlocks()
{
    QFETCH(PanelModel, model);
    QFETCH(int, section);
    QFETCH(int, deviceAddress);
    QFETCH(int, imageOffset);
    QFETCH(int, length);
    QFETCH(int, descriptor);
    QFETCH(int, data);
    const MemoryBlock block = sectionBlock(model, section - kFirstSection);
    QCOMPARE(block.k, section - 13);
    QCOMPARE(block.deviceAddress, deviceAddress);
    QCOMPARE(block.imageOffset, imageOffset);
    QCOMPARE(block.length, length);
    QCOMPARE(block.descriptorAddress, descriptor);
    QCOMPARE(block.dataAddress, data);
    QCOMPARE(sectionFieldCount(model, section - kFirstSection), length);
}

void TestPanelTables::fieldCaptions_data()
{
    QTest::addColumn<PanelModel>("model");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("caption");
    const auto four = PanelModel::FourZone;
    const auto eight = PanelModel::EightZone;
    const auto sixteen = PanelModel::SixteenZone;
    QTest::newRow("zone field names its zone") << eight << 22 << 8 << "Несправність зони 8";
    QTest::newRow("outputs off, 4-zone") << four << 26 << 3 << "Вимкнений вихід АЗПЗ1";
    QTest::newRow("outputs off, 16-zone") << sixteen << 26 << 3 << "Вимкнений вихід ПППН";
    QTest::newRow("outputs on, 4-zone") << four << 27 << 7 << "Ввімкнений вихід АЗПЗ2";
    QTest::newRow("outputs on, second number") << eight << 41 << 1 << "Ввімкнення кіл живлення";
    QTest::newRow("outputs on, reserved") << sixteen << 27 << 16 << "Зарезервована";
    QTest::newRow("output fault, 4-zone") << four << 42 << 7 << "Не працює вихід ПППН";
    QTest::newRow("output fault, 16-zone") << sixteen << 28 << 4 << "Не працює вихід АЗПЗ3";
    QTest::newRow("output normal, 16-zone") << sixteen << 29 << 5 << "Вихід АЗПЗ4 в нормі";
    QTest::newRow("parameters, 8-zone") << eight << 30 << 6 << "\"Немає зв'язку з ППКП\"";
    QTest::newRow("parameters, 16-zone") << sixteen << 44 << 6
                                         << "Немає обміну з ППКП (передає ЗМУ)";
    QTest::newRow("other codes, 4-zone") << four << 31 << 10 << "Корпус закритий";
}

void TestPanelTables::fieldCaptions()
{
    QFETCH(PanelModel, model);
    QFETCH(int, section);
    QFETCH(int, field);
    QFETCH(QString, caption);
    QCOMPARE(sectionFieldCaptions(model, section - kFirstSection).value(field - 1), caption);
}

void TestPanelTables::everyFieldHasACaption()
{
    for (PanelModel model : kPanelModels) {
        for (int i = 0; i < kSectionCount; ++i)
            QCOMPARE(sectionFieldCaptions(model, i).size(), sectionFieldCount(model, i));
    }
}

void TestPanelTables::sectionTitles()
{
    QCOMPARE(sectionTitle(0), QStringLiteral("Секція 18 – Коди пожежної тривоги"));
    QCOMPARE(sectionTitle(27), QStringLiteral("Секція 45 – Інші коди"));
    QCOMPARE(sectionTitle(26), QStringLiteral("Секція 44 – Параметри"));
    QCOMPARE(sectionTitle(28), QString());
}

QTEST_APPLESS_MAIN(TestPanelTables)
#include "tst_paneltables.moc"
