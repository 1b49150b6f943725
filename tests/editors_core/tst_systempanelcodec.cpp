// The 16.64P panel's images against bytes worked out by hand from its memory map.
#include "systempanelcodec.h"

#include <QTest>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

SystemPanelSettings eepromSample()
{
    SystemPanelSettings s;
    PanelSettings &p = s.panel;
    p.zones.fill(PanelZone{kDetectorOpen, kModeNone, {}});
    p.zones[0] = {kDetectorClosed, kModeOneDetector, {true, false, true, false, false}};
    p.zones[1] = {kDetectorOpen, kModeTwoDetectors, {false, true, false, false, false}};
    p.zones[8] = {kDetectorCombined, kModeTwoZones, {false, false, false, true, false}};
    p.zones[15] = {kDetectorClosed, kModeNone, {false, false, false, false, true}};
    p.spinner(PanelSpinner::Coincidence) = 60;
    p.spinner(PanelSpinner::Siren) = 990;
    p.spinner(PanelSpinner::LineFault) = 7;
    p.address = QStringLiteral("05"); // the panel has no system address: never stored
    p.accessCode2 = QStringLiteral("1234");
    p.accessCode3 = QStringLiteral("987654");
    return s;
}

// The settings an EEPROM image of zeros but `bytes` at `offset` decodes to.
SystemPanelSettings decodedEeprom(int offset, const QByteArray &bytes)
{
    QByteArray image(29, '\0');
    image.replace(offset, bytes.size(), bytes);
    SystemPanelSettings s;
    decodeSystemPanelEeprom(image, s);
    return s;
}

// A memory image with the given bytes set (offset, value) and every other byte 0.
QByteArray memoryWith(const QList<std::pair<int, int>> &bytes)
{
    QByteArray image(664, '\0');
    for (const auto &[offset, value] : bytes)
        image[offset] = char(value);
    return image;
}

} // namespace

using Edit = std::function<void(PanelSettings &)>;
using Check = std::function<bool(const PanelSettings &)>;
Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Check)

class TestSystemPanelCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eepromImage();
    void accessCodeEncoding_data();
    void accessCodeEncoding();
    void accessCodeShown_data();
    void accessCodeShown();
    void timeBytes_data();
    void timeBytes();
    void memoryFields_data();
    void memoryFields();
    void unusedBytesStayZero();
    void systemTableBytes();
    void moduleNibbles_data();
    void moduleNibbles();
    void unknownSlotTypeShowsEmptyAndKeepsMasks();
    void resetImages();
};

// Zone sets as the 16-zone panel's (A to E, closed, two detectors, one detector, combined,
// two zones), then line fault, siren / 10, coincidence / 10, codes as decimal digit pairs.
void TestSystemPanelCodec::eepromImage()
{
    const QByteArray expected = hex("0100" "0200" "0100" "0001" "0080"
                                    "0180" "0200" "0100" "0001" "0001"
                                    "07" "63" "06" "001234" "987654");
    QCOMPARE(encodeSystemPanelEeprom(eepromSample()).toHex(), expected.toHex());
    SystemPanelSettings decoded;
    decodeSystemPanelEeprom(expected, decoded);
    QCOMPARE(decoded.panel.zones, eepromSample().panel.zones);
    QCOMPARE(decoded.panel.accessCode2, QStringLiteral("1234"));
    QCOMPARE(decoded.panel.accessCode3, QStringLiteral("987654"));
}

void TestSystemPanelCodec::accessCodeEncoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("level2");
    QTest::addColumn<QByteArray>("level3");
    QTest::newRow("empty: the default codes 3 and 2735") << "" << hex("000003") << hex("002735");
    QTest::newRow("0 is a code of its own") << "0" << hex("000000") << hex("000000");
    QTest::newRow("1234") << "1234" << hex("001234") << hex("001234");
    QTest::newRow("six digits") << "999999" << hex("999999") << hex("999999");
    QTest::newRow("leading zeros kept as typed") << "000012" << hex("000012") << hex("000012");
    QTest::newRow("a code shown with a stored hex digit is written back") << "1A0003" << hex("1A0003")
                                                                        << hex("1A0003");
}

void TestSystemPanelCodec::accessCodeEncoding()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, level2);
    QFETCH(QByteArray, level3);
    SystemPanelSettings s;
    s.panel.accessCode2 = text;
    s.panel.accessCode3 = text;
    const QByteArray image = encodeSystemPanelEeprom(s);
    QCOMPARE(image.mid(23, 3).toHex(), level2.toHex());
    QCOMPARE(image.mid(26, 3).toHex(), level3.toHex());
}

void TestSystemPanelCodec::accessCodeShown_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("all zero shows 0") << hex("000000") << "0";
    QTest::newRow("leading zeros dropped") << hex("001234") << "1234";
    QTest::newRow("default level-3 code") << hex("002735") << "2735";
    QTest::newRow("six digits") << hex("123456") << "123456";
    QTest::newRow("a hex digit is shown as stored") << hex("1A0003") << "1A0003";
    QTest::newRow("erased EEPROM") << hex("FFFFFF") << "FFFFFF";
}

void TestSystemPanelCodec::accessCodeShown()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const SystemPanelSettings s = decodedEeprom(26, bytes);
    QCOMPARE(s.panel.accessCode3, shown);
    QCOMPARE(s.panel.accessCode2, QStringLiteral("0"));
}

void TestSystemPanelCodec::timeBytes_data()
{
    QTest::addColumn<QByteArray>("bytes"); // image bytes 20 to 22
    QTest::addColumn<int>("lineFault");
    QTest::addColumn<int>("siren");
    QTest::addColumn<int>("coincidence");
    QTest::newRow("coincidence 0 shows the 10 s minimum") << hex("000000") << 0 << 0 << 10;
    QTest::newRow("largest values") << hex("636363") << 99 << 990 << 990;
    QTest::newRow("above the spinners' ranges") << hex("C8C8C8") << 99 << 990 << 990;
    QTest::newRow("plain values") << hex("050C06") << 5 << 120 << 60;
}

void TestSystemPanelCodec::timeBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, lineFault);
    QFETCH(int, siren);
    QFETCH(int, coincidence);
    const SystemPanelSettings s = decodedEeprom(20, bytes);
    QCOMPARE(s.panel.spinner(PanelSpinner::LineFault), lineFault);
    QCOMPARE(s.panel.spinner(PanelSpinner::Siren), siren);
    QCOMPARE(s.panel.spinner(PanelSpinner::Coincidence), coincidence);
}

// Where the fields lie in this panel's image (their encodings are the panels' own).
void TestSystemPanelCodec::memoryFields_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<Check>("shown");
    QTest::newRow("object number 12AB, high byte first")
        << Edit([](PanelSettings &p) { p.objectNumbers[0] = "12ab"; }) << memoryWith({{0, 0x12}, {1, 0xAB}})
        << Check([](const PanelSettings &p) { return p.objectNumbers[0] == "12AB"; });
    QTest::newRow("telephone 2: tone, pause, end nibble")
        << Edit([](PanelSettings &p) { p.telephones[1] = {"80+1", "E80B1D0000000000", true}; })
        << memoryWith({{12, 0x8E}, {13, 0xB0}, {14, 0xD1}})
        << Check([](const PanelSettings &p) { return p.telephones[1].text == "80+1" && p.telephones[1].tone; });
    QTest::newRow("test message in BCD")
        << Edit([](PanelSettings &p) { p.spinners = {10, 0, 0, 23, 59, 30, 12, 5}; })
        << memoryWith({{20, 0x23}, {21, 0x59}, {22, 0x30}, {23, 0x12}, {24, 0x05}})
        << Check([](const PanelSettings &p) { return p.spinner(PanelSpinner::PeriodDays) == 30; });
    QTest::newRow("section 19 field 1 (edS181) 7 is shown 07")
        << Edit([](PanelSettings &p) { p.sectionFields[0][0] = "7"; }) << memoryWith({{30, 0x07}})
        << Check([](const PanelSettings &p) { return p.sectionFields[0][0] == "07"; });
    QTest::newRow("section 31 protocol (cbS301) and field 10")
        << Edit([](PanelSettings &p) { p.protocols[0] = 2; p.sectionFields[12][9] = "E1"; })
        << memoryWith({{206, 2}, {215, 0xE1}})
        << Check([](const PanelSettings &p) { return p.protocols[0] == 2 && p.sectionFields[12][9] == "E1"; });
    QTest::newRow("section 46 field 16 (edS4516) ends at 433")
        << Edit([](PanelSettings &p) { p.sectionFields[27][15] = "FF"; }) << memoryWith({{433, 0xFF}})
        << Check([](const PanelSettings &p) { return p.sectionFields[27][15] == "FF"; });
}

void TestSystemPanelCodec::memoryFields()
{
    QFETCH(Edit, edit);
    QFETCH(QByteArray, image);
    QFETCH(Check, shown);
    SystemPanelSettings s;
    edit(s.panel);
    QCOMPARE(encodeSystemPanelMemory(s).toHex(), image.toHex());
    SystemPanelSettings decoded;
    decodeSystemPanelMemory(image, decoded);
    QVERIFY(shown(decoded.panel));
}

// Bytes 25 to 29 and 662 to 663 hold nothing, whatever the settings.
void TestSystemPanelCodec::unusedBytesStayZero()
{
    SystemPanelSettings s;
    s.panel.spinners = {990, 990, 99, 23, 59, 30, 23, 59};
    for (auto &section : s.panel.sectionFields)
        section.fill(QStringLiteral("FF"));
    for (int slot = 1; slot < kDeviceSlotCount; ++slot)
        s.system.setSlotType(slot, kSlotSixteenZone);
    for (int module = 0; module < kModuleCount; ++module) {
        s.system.addModule(module);
        for (int slot = 0; slot < kDeviceSlotCount; ++slot) {
            for (int relay = 1; relay <= kRelayCount; ++relay)
                s.system.setRelayZones(slot, module, relay, 0xFFFF);
        }
    }
    const QByteArray image = encodeSystemPanelMemory(s);
    QCOMPARE(image.size(), 664);
    QCOMPARE(image.mid(25, 5), QByteArray(5, '\0'));
    QCOMPARE(image.mid(662, 2), QByteArray(2, '\0'));
    QCOMPARE(image.mid(434, 224), QByteArray(224, '\xFF'));
    QCOMPARE(image.mid(658, 4).toHex(), QByteArray("22222211"));
}

// Relay r of module m, slot t at 434 + 14 x (8m + r - 1) + 2t: relay 3 of module 1 for slot 2
// is 434 + 28 + 4 = 466; relay 8 of module 2 for slot 6 is 434 + 14 x 15 + 12 = 656.
void TestSystemPanelCodec::systemTableBytes()
{
    SystemPanelSettings s;
    s.system.setSlotType(2, kSlotSixteenZone);
    s.system.setSlotType(5, kSlotEightZone);
    s.system.setSlotType(6, kSlotSixteenZone);
    s.system.addModule(0);
    s.system.addModule(1);
    s.system.setRelayZones(2, 0, 3, 0x8001);  // zones 1 and 16
    s.system.setRelayZones(6, 1, 8, 0x0102);  // zones 2 and 9
    s.system.setRelayZones(5, 0, 1, 0xFF80);  // an 8-zone slot keeps zones 1 to 8 only
    s.system.setRelayZones(0, 1, 1, 0x4000);  // the panel itself, zone 15
    const QByteArray expected = memoryWith({{466, 0x01}, {467, 0x80}, {656, 0x02}, {657, 0x01},
                                            {434 + 10, 0x80}, {546 + 1, 0x40},
                                            {658, 0x20}, {659, 0x00}, {660, 0x21}, {661, 0x11}});
    QCOMPARE(encodeSystemPanelMemory(s).toHex(), expected.toHex());
    SystemPanelSettings decoded;
    decodeSystemPanelMemory(expected, decoded);
    QCOMPARE(decoded.system, s.system);
    QCOMPARE(decoded.system.totalZones(), 16 + 16 + 8 + 16);
}

void TestSystemPanelCodec::moduleNibbles_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<bool>("module1");
    QTest::addColumn<bool>("module2");
    QTest::newRow("0x11 both") << 0x11 << true << true;
    QTest::newRow("0x01 module 1") << 0x01 << true << false;
    QTest::newRow("0x10 module 2") << 0x10 << false << true;
    QTest::newRow("0x02 none") << 0x02 << false << false;
    QTest::newRow("0x20 none") << 0x20 << false << false;
    QTest::newRow("0xF1 module 1 only") << 0xF1 << true << false;
}

// An absent module's masks are discarded in all seven slots.
void TestSystemPanelCodec::moduleNibbles()
{
    QFETCH(int, byte);
    QFETCH(bool, module1);
    QFETCH(bool, module2);
    const QByteArray image = memoryWith({{661, byte}, {434, 0x01}, {434 + 12, 0x02},
                                         {546, 0x04}, {546 + 111, 0x08}});
    SystemPanelSettings s;
    decodeSystemPanelMemory(image, s);
    QCOMPARE(s.system.modulePresent(0), module1);
    QCOMPARE(s.system.modulePresent(1), module2);
    QCOMPARE(s.system.item(0).masks[0][0], quint8(module1 ? 0x01 : 0));
    QCOMPARE(s.system.item(6).masks[0][0], quint8(module1 ? 0x02 : 0));
    QCOMPARE(s.system.item(0).masks[1][0], quint8(module2 ? 0x04 : 0));
    QCOMPARE(s.system.item(6).masks[1][15], quint8(module2 ? 0x08 : 0));
}

// A type nibble the system tree does not know (3 in slot 1) shows as an empty slot whose
// masks stay as read; slot 2's 16-zone panel beside it is read as such.
void TestSystemPanelCodec::unknownSlotTypeShowsEmptyAndKeepsMasks()
{
    const QByteArray image = memoryWith({{658, 0x23}, {661, 0x01}, {434 + 2, 0x55}, {434 + 3, 0x66}});
    SystemPanelSettings s;
    decodeSystemPanelMemory(image, s);
    QCOMPARE(int(s.system.item(1).type), int(kSlotEmpty));
    QCOMPARE(int(s.system.item(1).zoneCount), 0);
    QCOMPARE(s.system.item(1).masks[0][0], quint8(0x55));
    QCOMPARE(s.system.item(1).masks[0][1], quint8(0x66));
    QCOMPARE(int(s.system.item(2).type), int(kSlotSixteenZone));
    QCOMPARE(s.system.totalZones(), 32);
    const QByteArray written = encodeSystemPanelMemory(s);
    QCOMPARE(quint8(written[658]), quint8(0x20));
    QCOMPARE(written.mid(436, 2).toHex(), QByteArray("5566"));
}

// After a reset every zone is "замкнутий" and both codes show "0".
void TestSystemPanelCodec::resetImages()
{
    const QByteArray eeprom = defaultSystemPanelEeprom();
    QCOMPARE(eeprom.toHex(), hex("00000000000000000000" "FFFF" "0000000000000000" "000000" "000000000000").toHex());
    SystemPanelSettings s;
    decodeSystemPanelEeprom(eeprom, s);
    decodeSystemPanelMemory(defaultSystemPanelMemory(), s);
    QCOMPARE(s.panel.zones[15].detectorType, int(kDetectorClosed));
    QCOMPARE(s.panel.accessCode2, QStringLiteral("0"));
    QCOMPARE(s.panel.spinner(PanelSpinner::Coincidence), 10);
    QCOMPARE(s.system, TDeviceCollection());
}

QTEST_APPLESS_MAIN(TestSystemPanelCodec)
#include "tst_systempanelcodec.moc"
