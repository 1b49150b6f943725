// The 2/4's memory map against its documentation: section numbers, titles, field counts
// and captions, and where each read request puts its reply in the image.
#include "controlstartdefinition.h"
#include "controlstartmap.h"
#include "frame.h"

#include <QTest>

using namespace controlstart;

class TstControlStartMap : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sections();
    void fieldCaptions_data();
    void fieldCaptions();
    void readRepliesLandAtTheirOffsets();
};

// 15 to 32, 34, 35: 144 bytes from offset 30, ending at 173.
void TstControlStartMap::sections()
{
    const QList<int> numbers{15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 34, 35};
    const QList<int> counts{8, 8, 8, 8, 8, 8, 4, 4, 8, 8, 8, 8, 12, 16, 5, 5, 5, 5, 5, 3};
    const SectionTable &table = sectionTable();
    QCOMPARE(table.sections.size(), numbers.size());
    for (int i = 0; i < numbers.size(); ++i) {
        QCOMPARE(table.sections[i].number, numbers[i]);
        QCOMPARE(table.sections[i].fieldCount(), counts[i]);
        QCOMPARE(table.sections[i].page, 0);
    }
    QCOMPARE(table.pageTitles, QStringList{"Коди сповіщень для передачі"});
    QCOMPARE(table.sections[18].title, QStringLiteral("Секція 34 – Коди вимкнення ПУіЗ"));
    QCOMPARE(table.sections[12].listField, 1);
    QCOMPARE(table.listItems, (QStringList{"20BPS", "Ademco Express", "Contact ID", "10BPS"}));
    QVERIFY(!table.commonCodes);
}

void TstControlStartMap::fieldCaptions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("caption");
    QTest::newRow("15: zone 8 of 8") << 0 << 8 << "Пожежна тривога в зоні 8";
    QTest::newRow("20: zone 1") << 5 << 1 << "Усунення несправності зони 1";
    QTest::newRow("21: zones from 5") << 6 << 1 << "Вимкнення зони 5";
    QTest::newRow("22: zone 8") << 7 << 4 << "Увімкнення зони 8";
    QTest::newRow("23: reserved") << 8 << 2 << "Зарезервована";
    QTest::newRow("23: ПЦПС") << 8 << 5 << "Вимкнений вихід ПЦПС";
    QTest::newRow("24: relay 2") << 9 << 8 << "Увімкнений вихід Рел. 2";
    QTest::newRow("25: ПППС") << 10 << 6 << "Не працює вихід ПППС";
    QTest::newRow("26: reserved") << 11 << 2 << "Зарезервована";
    QTest::newRow("27: dialling mode") << 12 << 4 << "Режим дозвона 00- „і”, 01 – „або”";
    QTest::newRow("27: last") << 12 << 12 << "Запуск системи (перше включення)";
    QTest::newRow("28: reserved last") << 13 << 16 << "Зарезервована";
    QTest::newRow("29: КМ") << 14 << 2 << "Спрацювання входу \"КМ\"";
    QTest::newRow("32: output") << 17 << 5 << "Вихід \"П+/П-\" в нормі";
    QTest::newRow("34: manual") << 18 << 4 << "Ручний режим";
    QTest::newRow("35: ventilation") << 19 << 3 << "Увімкнення входу вентиляція";
}

void TstControlStartMap::fieldCaptions()
{
    QFETCH(int, index);
    QFETCH(int, field);
    QFETCH(QString, caption);
    QCOMPARE(sectionTable().sections.at(index).fieldCaptions.value(field - 1), caption);
}

// Every read of the device read, in order, and the image offset its reply fills from: the
// 29 memory ranges, the code block at 190 and the clock at 196.
void TstControlStartMap::readRepliesLandAtTheirOffsets()
{
    const QList<int> offsets{0,   2,   4,   12,  20,  30,  38,  46,  54,  62,  70,  78,  82,  86,  94, 102,
                             110, 118, 130, 146, 151, 156, 161, 166, 171, 174, 182, 185, 186, 190, 196};
    const TPacketList list = planRequests(controlStartDefinition().deviceRead(1, 19200), {}, {}).list;
    QList<int> destinations;
    for (const TPacket &p : list.packets()) {
        if (frame::byteAt(p.Data, 3) != frame::kCmdSetAddress)
            destinations << p.Dest;
    }
    QCOMPARE(destinations, offsets);
}

QTEST_GUILESS_MAIN(TstControlStartMap)
#include "tst_controlstartmap.moc"
