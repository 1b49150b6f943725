// The editor parts with the parameters the panels do not use: zones 5 to 8 with three output
// columns, another coincidence-mode precedence, one page of non-contiguous sections, section
// numbers one above the names, access codes of five and six digits.
#include "accesscodesgroup.h"
#include "sectionpages.h"
#include "telephonefield.h"
#include "timinggroup.h"
#include "zonegrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

// The named controls of a part under test; a name the part lacks ends the run at once.
class Controls
{
public:
    explicit Controls(QWidget *part) : m_part(part) {}

    template<typename T>
    T *get(const QString &name) const
    {
        if (T *control = m_part->findChild<T *>(name))
            return control;
        qFatal("no control %s", qPrintable(name));
    }

    // As the user chooses an item, so that the part's rules run.
    void choose(const QString &combo, int index) const
    {
        auto *box = get<QComboBox>(combo);
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }

private:
    QWidget *m_part;
};

// Zones 5 to 8 of the control-and-start device: outputs "ОПОВ", "РЕЛ 1", "РЕЛ 2".
ZoneGridConfig zonesFiveToEight()
{
    ZoneGridConfig config;
    config.zones = {5, 8};
    config.columns = {{2, QStringLiteral("ОПОВ")}, {3, QStringLiteral("РЕЛ 1")}, {4, QStringLiteral("РЕЛ 2")}};
    config.indicators = {{3, QStringLiteral("Загальна несправність"), QStringLiteral("lbCommonFault")}};
    return config;
}

// Its memory image keeps the zone table at 174 to 181 and ranks "по двох СП" above
// "по одному СП".
constexpr ZoneTableLayout kTwoFourZoneTable{
    1, {kNoZoneSet, kNoZoneSet, 174, 180, 181, 175, 176, 177, 178, 179},
    {ZoneSet::Closed, ZoneSet::Combined},
    {ZoneSet::OneDetector, ZoneSet::TwoDetectors, ZoneSet::TwoZones}};
constexpr ZoneTableLayout kPanelZoneTable{
    1, {kNoZoneSet, kNoZoneSet, 174, 180, 181, 175, 176, 177, 178, 179},
    {ZoneSet::Closed, ZoneSet::Combined},
    {ZoneSet::TwoDetectors, ZoneSet::OneDetector, ZoneSet::TwoZones}};

// The device's 20 sections on one page; there is no section 33.
SectionTable twoFourSections()
{
    const QList<std::pair<int, int>> sections{{15, 8}, {16, 8}, {17, 8}, {18, 8}, {19, 8}, {20, 8},
                                             {21, 4}, {22, 4}, {23, 8}, {24, 8}, {25, 8}, {26, 8},
                                             {27, 12}, {28, 16}, {29, 5}, {30, 5}, {31, 5}, {32, 5},
                                             {34, 5}, {35, 3}};
    SectionTable table;
    table.pageTitles = {QStringLiteral("Коди сповіщень для передачі")};
    table.listItems = {QStringLiteral("20BPS"), QStringLiteral("Ademco Express"),
                       QStringLiteral("Contact ID"), QStringLiteral("10BPS")};
    for (const auto &[number, fields] : sections) {
        QStringList captions;
        for (int k = 1; k <= fields; ++k)
            captions << QStringLiteral("Код %1").arg(k);
        table.sections.append({number, number, 0, QStringLiteral("Секція %1").arg(number), captions,
                               number == 27 ? 1 : 0});
    }
    return table;
}

// Two pages whose sections are numbered one above the digits of their names, with shared codes.
SectionTable shiftedTwinSections()
{
    SectionTable table;
    table.pageTitles = {QStringLiteral("1"), QStringLiteral("2")};
    table.commonCodes = true;
    for (int nameNumber : {18, 19, 32, 33}) {
        table.sections.append({nameNumber + 1, nameNumber, nameNumber < 32 ? 0 : 1,
                               QStringLiteral("Секція %1").arg(nameNumber + 1),
                               {QStringLiteral("a"), QStringLiteral("b")}});
    }
    return table;
}

} // namespace

class TstParts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void zonePairsStayInTheGrid_data();
    void zonePairsStayInTheGrid();
    void headerInvertsOnlyItsOwnBoxes();
    void exclusionFollowsTheEditorsRule_data();
    void exclusionFollowsTheEditorsRule();
    void zoneDecodingPrecedence_data();
    void zoneDecodingPrecedence();
    void zonesFiveToEightInTheImage();
    void onePageOfNonContiguousSections_data();
    void onePageOfNonContiguousSections();
    void sectionListFieldsKeepTheirSlots();
    void twinsFollowTheNamesNotTheNumbers();
    void accessCodeDigits_data();
    void accessCodeDigits();
    void accessCodeBytes_data();
    void accessCodeBytes();
    void telephoneFieldOwnsItsCodeString();
    void dialledTelephoneFieldFillsItsCodeString();
    void timingLoadsWithoutChange();
};

void TstParts::zonePairsStayInTheGrid_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("modes"); // zones 5 to 8 afterwards
    QTest::newRow("6 pairs with 5") << "cbMode6" << 3 << QList<int>{3, 3, 0, 0};
    QTest::newRow("7 pairs with 8") << "cbMode7" << 3 << QList<int>{0, 0, 3, 3};
    QTest::newRow("8 one detector leaves 7 alone") << "cbMode8" << 1 << QList<int>{0, 0, 0, 1};
}

void TstParts::zonePairsStayInTheGrid()
{
    QFETCH(QString, zone);
    QFETCH(int, mode);
    QFETCH(QList<int>, modes);
    ZoneGrid grid(zonesFiveToEight());
    QSignalSpy changed(&grid, &ZoneGrid::changed);
    ZoneList zones;
    zones.fill(ZoneSettings{kDetectorOpen, kModeNone, {}});
    grid.load(zones);
    QCOMPARE(changed.count(), 0);
    QVERIFY(!grid.findChild<QComboBox *>("cbMode4"));
    Controls(&grid).choose(zone, mode);
    QCOMPARE(changed.count(), 1);
    grid.store(zones);
    for (int z = 5; z <= 8; ++z)
        QCOMPARE(zones[std::size_t(z - 1)].mode, modes[z - 5]);
    QCOMPARE(grid.anyZoneInMode(kModeOneDetector), modes.contains(kModeOneDetector));
}

void TstParts::headerInvertsOnlyItsOwnBoxes()
{
    QWidget window;
    ZoneGridConfig panelZones;
    panelZones.zones = {1, 4};
    panelZones.columns = {{3, QStringLiteral("РЕЛ 1")}};
    auto *panelGrid = new ZoneGrid(panelZones, &window);
    auto *grid = new ZoneGrid(zonesFiveToEight(), &window);
    panelGrid->move(0, 400);
    window.show();
    QSignalSpy changed(grid, &ZoneGrid::changed);
    Controls(grid).get<QCheckBox>("ckbD6")->setChecked(true);
    QVERIFY(Controls(grid).get<QLabel>("lbCommonFault")->isHidden());
    QTest::mouseClick(Controls(grid).get<QLabel>("lbExit4"), Qt::LeftButton);
    for (int z = 5; z <= 8; ++z) {
        QCOMPARE(Controls(grid).get<QCheckBox>(QStringLiteral("ckbD%1").arg(z))->isChecked(), z != 6);
        QVERIFY(!Controls(grid).get<QCheckBox>(QStringLiteral("ckbC%1").arg(z))->isChecked());
    }
    for (int z = 1; z <= 4; ++z)
        QVERIFY(!Controls(panelGrid).get<QCheckBox>(QStringLiteral("ckbD%1").arg(z))->isChecked());
    QVERIFY(!grid->findChild<QCheckBox *>("ckbA5"));
    QCOMPARE(changed.count(), 0);
    QTest::mouseClick(Controls(grid).get<QCheckBox>("ckbD6"), Qt::LeftButton); // all four checked
    QTest::mouseClick(Controls(grid).get<QLabel>("lbExit4"), Qt::LeftButton);   // inverted: none
    QVERIFY(!Controls(grid).get<QLabel>("lbCommonFault")->isHidden());
    QCOMPARE(changed.count(), 1);
}

void TstParts::exclusionFollowsTheEditorsRule_data()
{
    QTest::addColumn<bool>("applies");
    QTest::addColumn<int>("mode");
    QTest::newRow("rule applies: mode falls back") << true << int(kModeNone);
    QTest::newRow("rule does not apply") << false << int(kModeTwoDetectors);
}

void TstParts::exclusionFollowsTheEditorsRule()
{
    QFETCH(bool, applies);
    QFETCH(int, mode);
    ZoneGrid grid(zonesFiveToEight());
    grid.setExclusionRule([applies] { return applies; });
    Controls(&grid).choose("cbMode7", kModeTwoDetectors);
    Controls(&grid).choose("cbTypeMessage7", kDetectorOpen);
    QCOMPARE(Controls(&grid).get<QComboBox>("cbMode7")->currentIndex(), mode);
}

void TstParts::zoneDecodingPrecedence_data()
{
    QTest::addColumn<bool>("twoFour");
    QTest::addColumn<QList<int>>("offsets"); // bytes with zone 6's bit set
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("mode");
    QTest::newRow("2/4: two detectors over one") << true << QList<int>{176, 177} << 1 << 2;
    QTest::newRow("panels: one detector over two") << false << QList<int>{176, 177} << 1 << 1;
    QTest::newRow("2/4: two zones over both") << true << QList<int>{175, 176, 177, 179} << 0 << 3;
    QTest::newRow("2/4: combined over closed") << true << QList<int>{175, 178} << 2 << 0;
}

void TstParts::zoneDecodingPrecedence()
{
    QFETCH(bool, twoFour);
    QFETCH(QList<int>, offsets);
    QFETCH(int, type);
    QFETCH(int, mode);
    QByteArray image(203, '\0');
    for (int offset : offsets)
        image[offset] = char(0x20);
    ZoneList zones;
    decodeZoneTable(twoFour ? kTwoFourZoneTable : kPanelZoneTable, {5, 8}, image, zones);
    QCOMPARE(zones[5].detectorType, type);
    QCOMPARE(zones[5].mode, mode);
    QCOMPARE(zones[4].detectorType, int(kDetectorOpen));
}

// Zone 5 closed, one detector, ОПОВ; 6 combined, two detectors, РЕЛ 1; 7 open, two zones,
// РЕЛ 2; 8 closed, two zones, all three. Zone 1 is not the device's: bits 0 to 3 stay 0.
void TstParts::zonesFiveToEightInTheImage()
{
    ZoneList zones;
    zones[0] = {kDetectorClosed, kModeOneDetector, {true, true, true, true, true}};
    zones[4] = {kDetectorClosed, kModeOneDetector, {false, false, true, false, false}};
    zones[5] = {kDetectorCombined, kModeTwoDetectors, {false, false, false, true, false}};
    zones[6] = {kDetectorOpen, kModeTwoZones, {false, false, false, false, true}};
    zones[7] = {kDetectorClosed, kModeTwoZones, {false, false, true, true, true}};
    QByteArray image(203, '\0');
    encodeZoneTable(kTwoFourZoneTable, {5, 8}, zones, image);
    QCOMPARE(image.mid(174, 8).toHex(), QByteArray("9090201020c0a0c0"));
    QCOMPARE(image.count('\0'), 203 - 8);
    ZoneList decoded;
    decoded[0].outputs[0] = true;
    decoded[4].outputs[0] = true; // column A is not in the image: left as it was
    decodeZoneTable(kTwoFourZoneTable, {5, 8}, image, decoded);
    QCOMPARE(decoded[0], ZoneSettings({kDetectorClosed, kModeNone, {true}}));
    QCOMPARE(decoded[4].outputs[0], true);
    decoded[4].outputs[0] = false;
    for (int z = 4; z < 8; ++z)
        QCOMPARE(decoded[z], zones[z]);
}

void TstParts::onePageOfNonContiguousSections_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("lastField");
    QTest::addColumn<QString>("beyond");
    QTest::newRow("first, section 15") << 0 << "grBox1" << "edS158" << "edS159";
    QTest::newRow("section 32 before the gap") << 17 << "grBox18" << "edS325" << "edS326";
    QTest::newRow("section 34 after the gap") << 18 << "grBox19" << "edS345" << "edS331";
    QTest::newRow("last, section 35") << 19 << "grBox20" << "edS353" << "edS354";
}

void TstParts::onePageOfNonContiguousSections()
{
    QFETCH(int, row);
    QFETCH(QString, box);
    QFETCH(QString, lastField);
    QFETCH(QString, beyond);
    SectionPages pages(twoFourSections());
    pages.show();
    QCOMPARE(Controls(&pages).get<QTabWidget>("PageControl1")->count(), 1);
    QVERIFY(!pages.findChild<QCheckBox *>("ckbCommon"));
    QVERIFY(!pages.findChild<QGroupBox *>("grBox21"));
    auto *list = Controls(&pages).get<QListWidget>("lstBoxSection1");
    QCOMPARE(list->count(), 20);
    list->setCurrentRow(row);
    const QList<QGroupBox *> boxes = pages.findChildren<QGroupBox *>();
    QCOMPARE(std::count_if(boxes.begin(), boxes.end(), [](QGroupBox *b) { return b->isVisible(); }), 1);
    QVERIFY(Controls(&pages).get<QGroupBox>(box)->isVisible());
    QVERIFY(Controls(&pages).get<QGroupBox>(box)->findChild<QLineEdit *>(lastField));
    QVERIFY(!pages.findChild<QLineEdit *>(beyond));
}

// The one list field, cbS271, takes the first list value; its edit does not exist.
void TstParts::sectionListFieldsKeepTheirSlots()
{
    SectionPages pages(twoFourSections());
    QSignalSpy changed(&pages, &SectionPages::changed);
    std::array<SectionFieldTexts, 20> fields{};
    fields[18][4] = QStringLiteral("5A"); // section 34, field 5
    fields[12][1] = QStringLiteral("07"); // section 27, field 2
    std::array<int, 1> lists{3};
    pages.load(fields, lists);
    QCOMPARE(Controls(&pages).get<QComboBox>("cbS271")->currentIndex(), 3);
    QVERIFY(!pages.findChild<QLineEdit *>("edS271"));
    QCOMPARE(Controls(&pages).get<QLineEdit>("edS345")->text(), QStringLiteral("5A"));
    Controls(&pages).choose("cbS271", 1);
    QCOMPARE(changed.count(), 1);
    std::array<SectionFieldTexts, 20> stored{};
    std::array<int, 1> storedLists{};
    pages.store(stored, storedLists);
    QCOMPARE(stored, fields);
    QCOMPARE(storedLists[0], 1);
}

void TstParts::twinsFollowTheNamesNotTheNumbers()
{
    SectionPages pages(shiftedTwinSections());
    pages.show();
    QCOMPARE(Controls(&pages).get<QGroupBox>("grBox1")->title(), QStringLiteral("Секція 19"));
    Controls(&pages).get<QLineEdit>("edS332")->setText("4C");
    Controls(&pages).get<QTabWidget>("PageControl1")->setCurrentIndex(1);
    Controls(&pages).get<QCheckBox>("ckbCommon")->click();
    QCOMPARE(Controls(&pages).get<QLineEdit>("edS192")->text(), QStringLiteral("4C"));
    Controls(&pages).get<QTabWidget>("PageControl1")->setCurrentIndex(0);
    QTest::keyClicks(Controls(&pages).get<QLineEdit>("edS181"), "e");
    QCOMPARE(Controls(&pages).get<QLineEdit>("edS321")->text(), QStringLiteral("e"));
    QCOMPARE(Controls(&pages).get<QLineEdit>("edS331")->text(), QString());
}

void TstParts::accessCodeDigits_data()
{
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("kept");
    QTest::newRow("4 digits") << 4 << "1234";
    QTest::newRow("5 digits") << 5 << "12345";
    QTest::newRow("6 digits") << 6 << "123456";
}

void TstParts::accessCodeDigits()
{
    QFETCH(int, digits);
    QFETCH(QString, kept);
    AccessCodesGroup group({{4, 3}, {digits, 0x12345}});
    group.show();
    QSignalSpy changed(&group, &AccessCodesGroup::changed);
    QTest::keyClicks(Controls(&group).get<QLineEdit>("edCode3"), "12345678");
    QString level2, level3;
    std::array<QString, 2> objectNumbers;
    group.store(level2, level3, objectNumbers);
    QCOMPARE(level3, kept);
    QCOMPARE(changed.count(), kept.size());
    group.load(QStringLiteral("1"), QStringLiteral("2"), {QStringLiteral("3"), QStringLiteral("4")});
    QCOMPARE(changed.count(), kept.size());
}

void TstParts::accessCodeBytes_data()
{
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("4 digits 0420") << 4 << "0420" << QByteArray::fromHex("0420") << "0420";
    QTest::newRow("4 digits empty") << 4 << "" << QByteArray::fromHex("2735") << "2735";
    QTest::newRow("5 digits, first in a low nibble") << 5 << "12345" << QByteArray::fromHex("012345") << "12345";
    QTest::newRow("5 digits zero shows empty") << 5 << "00000" << QByteArray::fromHex("000000") << "";
    QTest::newRow("5 digits with a leading 0") << 5 << "01234" << QByteArray::fromHex("001234") << "01234";
    QTest::newRow("6 digits") << 6 << "987654" << QByteArray::fromHex("987654") << "987654";
    QTest::newRow("6 digits short") << 6 << "42" << QByteArray::fromHex("000042") << "000042";
}

void TstParts::accessCodeBytes()
{
    QFETCH(int, digits);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const AccessCodeFormat format{digits, 0x2735};
    QByteArray image(5, '\x11');
    writeAccessCode(image, 1, format, text);
    QByteArray expected(5, '\x11');
    expected.replace(1, bytes.size(), bytes);
    QCOMPARE(image.toHex(), expected.toHex());
    QCOMPARE(readAccessCode(image, 1, format), shown);
}

void TstParts::telephoneFieldOwnsItsCodeString()
{
    TelephoneField field({2, QStringLiteral("Другий")});
    field.show();
    QSignalSpy changed(&field, &TelephoneField::changed);
    const TelephoneNumber stored{QStringLiteral("12+3"), QStringLiteral("E12B3D0000000000"), true};
    field.load(stored);
    QCOMPARE(field.value(), stored);
    QCOMPARE(Controls(&field).get<QLineEdit>("edTelNum2")->maxLength(), 15);
    QCOMPARE(changed.count(), 0);
    QTest::keyClicks(Controls(&field).get<QLineEdit>("edTelNum2"), "4");
    QCOMPARE(field.value().codeString, QStringLiteral("E12B34D000000000"));
    QCOMPARE(Controls(&field).get<QLineEdit>("edTelNum2")->toolTip(), field.value().codeString);
    QCOMPARE(changed.count(), 1);
}

// The GSM.4 module's numbers: digits only, the code string the text filled with "D".
void TstParts::dialledTelephoneFieldFillsItsCodeString()
{
    TelephoneField field({1, QStringLiteral("1-й"), TelephoneStyle::Dialled, 18});
    field.show();
    QVERIFY(!field.findChild<QToolButton *>());
    auto *edit = Controls(&field).get<QLineEdit>("edTelNum1");
    QCOMPARE(edit->maxLength(), 18);
    const TelephoneNumber read{QStringLiteral("12"), QStringLiteral("12D000000000000000"), false};
    field.load(read);
    QCOMPARE(field.value(), read); // what the module holds stays until the number is edited
    QTest::keyClicks(edit, "3");
    QCOMPARE(field.value().codeString, QStringLiteral("123DDDDDDDDDDDDDDD"));
    edit->clear();
    Q_EMIT edit->textEdited(QString());
    QCOMPARE(field.value().codeString, QString(18, u'D'));
}

void TstParts::timingLoadsWithoutChange()
{
    TimingGroup group({});
    QSignalSpy changed(&group, &TimingGroup::changed);
    const std::array<int, kTimingValueCount> values{60, 120, 7};
    group.load(values, QString());
    group.setLineFaultSupported(false);
    QCOMPARE(changed.count(), 0);
    std::array<int, kTimingValueCount> stored{};
    QString address = QStringLiteral("x");
    group.store(stored, address);
    QCOMPARE(stored, (std::array<int, kTimingValueCount>{60, 120, 0}));
    QCOMPARE(address, QString()); // no system address
    QVERIFY(!group.findChild<QLineEdit *>("edAddress"));
    Controls(&group).get<QSpinBox>("ud6")->stepUp(); // as the spinner's arrow does
    QCOMPARE(changed.count(), 1);
}

QTEST_MAIN(TstParts)
#include "tst_parts.moc"
