#include "panelcodec.h"

#include <QTest>

Q_DECLARE_METATYPE(PanelModel)

namespace {

// Zones 1 to 4 carry one of each setting; zone 9 and zone 16 exercise the second byte of
// the 16-zone sets and must be ignored by the smaller models.
PanelSettings eepromSample()
{
    PanelSettings s;
    s.zones.fill(PanelZone{kDetectorOpen, kModeNone, {}});
    s.zones[0] = {kDetectorClosed, kModeOneDetector, {true, false, true, false, false}};
    s.zones[1] = {kDetectorOpen, kModeTwoDetectors, {false, true, false, false, false}};
    s.zones[2] = {kDetectorCombined, kModeTwoZones, {false, false, false, true, false}};
    s.zones[3] = {kDetectorClosed, kModeTwoZones, {false, false, false, false, true}};
    s.zones[8] = {kDetectorClosed, kModeOneDetector, {true, false, false, false, false}};
    s.zones[15] = {kDetectorCombined, kModeTwoDetectors, {false, false, false, false, true}};
    s.spinner(PanelSpinner::Coincidence) = 60;
    s.spinner(PanelSpinner::Siren) = 120;
    s.spinner(PanelSpinner::LineFault) = 7;
    s.address = QStringLiteral("03");
    s.accessCode2 = QStringLiteral("1234");
    return s;
}

PanelSettings memorySample()
{
    PanelSettings s;
    s.objectNumbers = {QStringLiteral("12AB"), QString()};
    s.telephones[0] = {QStringLiteral("044+123*5"), QStringLiteral("044B123C5D000000"), false};
    s.telephones[1] = {QString(), QStringLiteral("ED00000000000000"), true};
    s.spinner(PanelSpinner::ReportHour) = 23;
    s.spinner(PanelSpinner::ReportMinute) = 59;
    s.spinner(PanelSpinner::PeriodDays) = 30;
    s.spinner(PanelSpinner::PeriodHours) = 0;
    s.spinner(PanelSpinner::PeriodMinutes) = 5;
    s.sectionFields[0][0] = QStringLiteral("1a");  // edS181
    s.sectionFields[12][1] = QStringLiteral("05"); // edS302
    s.sectionFields[13][15] = QStringLiteral("FF"); // edS3116
    s.sectionFields[27][15] = QStringLiteral("7");  // edS4516
    s.protocols = {3, 2};
    return s;
}

// Image bytes to set: offset, value.
using ByteEdits = QList<std::pair<int, int>>;

QByteArray withBytes(int size, const ByteEdits &bytes)
{
    QByteArray image(size, '\0');
    for (const auto &[offset, value] : bytes)
        image[offset] = char(value);
    return image;
}

QByteArray zeroPadded(const QByteArray &image, int size)
{
    return image.left(size) + QByteArray(std::max<qsizetype>(0, size - image.size()), '\0');
}

} // namespace

class TestPanelCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eepromImage_data();
    void eepromImage();
    void zoneDecodingPrecedence_data();
    void zoneDecodingPrecedence();
    void timingDecoding_data();
    void timingDecoding();
    void resetDefaults_data();
    void resetDefaults();
    void memoryImage_data();
    void memoryImage();
    void allZeroMemory_data();
    void allZeroMemory();
    void unlistedProtocol();
    void testReportBytes_data();
    void testReportBytes();
    void anyImageLength_data();
    void anyImageLength();
};

void TestPanelCodec::eepromImage_data()
{
    QTest::addColumn<PanelModel>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QByteArray>("image");
    // Sets A, B, C, closed, two detectors, one detector, combined, two zones, D, E; 2 unused.
    const QByteArray sets = "010201090201040C04080000";
    const QByteArray codes = "12342735";
    const auto four = PanelModel::FourZone;
    const auto eight = PanelModel::EightZone;
    QTest::newRow("4-zone variant 2: siren, coincidence, unused byte")
        << four << 2 << QByteArray::fromHex(sets + "0C0600" + codes);
    QTest::newRow("4-zone variant 3: line fault, siren, coincidence")
        << four << 3 << QByteArray::fromHex(sets + "070C06" + codes);
    QTest::newRow("4-zone variant 6 as variants 3 to 5")
        << four << 6 << QByteArray::fromHex(sets + "070C06" + codes);
    QTest::newRow("4-zone unknown variant leaves timing 0")
        << four << 7 << QByteArray::fromHex(sets + "000000" + codes);
    QTest::newRow("8-zone variant 2") << eight << 2 << QByteArray::fromHex(sets + "0C060000" + codes);
    QTest::newRow("8-zone variant 4: address first")
        << eight << 4 << QByteArray::fromHex(sets + "03070C06" + codes);
    QTest::newRow("8-zone variant 6") << eight << 6 << QByteArray::fromHex(sets + "03070C06" + codes);
    QTest::newRow("8-zone unknown variant") << eight << 0 << QByteArray::fromHex(sets + "00000000" + codes);
    QTest::newRow("16-zone byte pairs")
        << PanelModel::SixteenZone << 2
        << QByteArray::fromHex("0101" "0200" "0100" "0400" "0880"  // A to E
                               "0901" "0280" "0101" "0480" "0C00"  // detector and mode sets
                               "03070C06" "12342735");
}

// The sample encodes to the hand-worked image, and the image decodes to settings that encode
// to it again.
void TestPanelCodec::eepromImage()
{
    QFETCH(PanelModel, model);
    QFETCH(int, variant);
    QFETCH(QByteArray, image);
    QCOMPARE(encodeEeprom(model, variant, eepromSample()).toHex(), image.toHex());
    PanelSettings decoded;
    decodeEeprom(model, variant, image, decoded);
    QCOMPARE(encodeEeprom(model, variant, decoded).toHex(), image.toHex());
}

enum ZoneBits { kClosedBit = 1, kCombinedBit = 2, kTwoDetectorsBit = 4, kOneDetectorBit = 8,
                kTwoZonesBit = 16 };

void TestPanelCodec::zoneDecodingPrecedence_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("detectorType");
    QTest::addColumn<int>("mode");
    QTest::newRow("no bits: open, no coincidence") << 0 << int(kDetectorOpen) << int(kModeNone);
    QTest::newRow("closed") << int(kClosedBit) << int(kDetectorClosed) << int(kModeNone);
    QTest::newRow("closed and combined show combined")
        << (kClosedBit | kCombinedBit) << int(kDetectorCombined) << int(kModeNone);
    QTest::newRow("two detectors") << int(kTwoDetectorsBit) << int(kDetectorOpen)
                                   << int(kModeTwoDetectors);
    QTest::newRow("one detector beats two detectors")
        << (kTwoDetectorsBit | kOneDetectorBit) << int(kDetectorOpen) << int(kModeOneDetector);
    QTest::newRow("two zones beat one detector")
        << (kOneDetectorBit | kTwoZonesBit) << int(kDetectorOpen) << int(kModeTwoZones);
    QTest::newRow("every bit") << 31 << int(kDetectorCombined) << int(kModeTwoZones);
}

// Checked on zone 2 of the 4-zone image and zone 9 of the 16-zone image (second set byte).
void TestPanelCodec::zoneDecodingPrecedence()
{
    QFETCH(int, bits);
    QFETCH(int, detectorType);
    QFETCH(int, mode);
    struct Place { PanelModel model; int zone; int closed, combined, twoDet, oneDet, twoZones;
                   int bit; };
    const Place places[] = {{PanelModel::FourZone, 2, 3, 6, 4, 5, 7, 0x02},
                            {PanelModel::SixteenZone, 9, 11, 17, 13, 15, 19, 0x01}};
    for (const Place &p : places) {
        QByteArray image(panelModelInfo(p.model).eepromSize, '\0');
        const std::pair<int, int> flags[] = {{kClosedBit, p.closed}, {kCombinedBit, p.combined},
                                             {kTwoDetectorsBit, p.twoDet},
                                             {kOneDetectorBit, p.oneDet},
                                             {kTwoZonesBit, p.twoZones}};
        for (const auto &[flag, offset] : flags) {
            if (bits & flag)
                image[offset] = char(p.bit);
        }
        PanelSettings settings;
        decodeEeprom(p.model, 2, image, settings);
        QCOMPARE(settings.zones[p.zone - 1].detectorType, detectorType);
        QCOMPARE(settings.zones[p.zone - 1].mode, mode);
    }
}

void TestPanelCodec::timingDecoding_data()
{
    QTest::addColumn<PanelModel>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<ByteEdits>("bytes");
    QTest::addColumn<int>("coincidence");
    QTest::addColumn<int>("siren");
    QTest::addColumn<int>("lineFault");
    QTest::addColumn<QString>("address");
    // Settings start at 500 s, 500 s, 50 min, address "07": unchanged values stay so.
    const auto four = PanelModel::FourZone;
    const auto eight = PanelModel::EightZone;
    QTest::newRow("coincidence byte 0 shows the 10 s minimum")
        << four << 3 << ByteEdits{{12, 5}, {13, 3}, {14, 0}} << 10 << 30 << 5 << "07";
    QTest::newRow("siren byte above 99 shows 990 s")
        << four << 5 << ByteEdits{{12, 99}, {13, 100}, {14, 6}} << 60 << 990 << 99 << "07";
    QTest::newRow("line-fault byte above 99 shows 99 min")
        << eight << 4 << ByteEdits{{12, 5}, {13, 200}, {14, 1}, {15, 255}} << 990 << 10 << 99
        << "05";
    QTest::newRow("variant 2 keeps line fault and address")
        << eight << 2 << ByteEdits{{12, 100}, {13, 0}, {14, 9}, {15, 9}} << 10 << 990 << 50 << "07";
    QTest::newRow("variant 6 reads the later layout")
        << four << 6 << ByteEdits{{12, 1}, {13, 2}, {14, 3}} << 30 << 20 << 1 << "07";
    QTest::newRow("unknown variant keeps every timing value")
        << eight << 1 << ByteEdits{{12, 1}, {13, 2}, {14, 3}, {15, 4}} << 500 << 500 << 50 << "07";
    QTest::newRow("16-zone reads timing in every variant")
        << PanelModel::SixteenZone << 9 << ByteEdits{{20, 4}, {21, 7}, {22, 0}, {23, 1}} << 10 << 0
        << 7 << "04";
}

void TestPanelCodec::timingDecoding()
{
    QFETCH(PanelModel, model);
    QFETCH(int, variant);
    QFETCH(ByteEdits, bytes);
    QFETCH(int, coincidence);
    QFETCH(int, siren);
    QFETCH(int, lineFault);
    QFETCH(QString, address);
    PanelSettings settings;
    settings.spinners[0] = settings.spinners[1] = 500;
    settings.spinners[2] = 50;
    settings.address = QStringLiteral("07");
    decodeEeprom(model, variant, withBytes(panelModelInfo(model).eepromSize, bytes), settings);
    QCOMPARE(settings.spinner(PanelSpinner::Coincidence), coincidence);
    QCOMPARE(settings.spinner(PanelSpinner::Siren), siren);
    QCOMPARE(settings.spinner(PanelSpinner::LineFault), lineFault);
    QCOMPARE(settings.address, address);
}

void TestPanelCodec::resetDefaults_data()
{
    QTest::addColumn<PanelModel>("model");
    QTest::addColumn<QByteArray>("image");
    QTest::newRow("4-zone") << PanelModel::FourZone
                            << QByteArray::fromHex("0000000F000000000000000000000000000000");
    QTest::newRow("8-zone") << PanelModel::EightZone
                            << QByteArray::fromHex("000000FF00000000000000000000000000000000");
    QTest::newRow("16-zone")
        << PanelModel::SixteenZone
        << QByteArray::fromHex("00000000000000000000" "FFFF" "00000000000000000000000000000000");
}

void TestPanelCodec::resetDefaults()
{
    QFETCH(PanelModel, model);
    QFETCH(QByteArray, image);
    QCOMPARE(defaultEepromImage(model).toHex(), image.toHex());
    PanelSettings settings;
    settings.zones.fill(PanelZone{kDetectorOpen, kModeTwoZones, {true, true, true, true, true}});
    decodeEeprom(model, 3, image, settings);
    for (int zone = 0; zone < panelModelInfo(model).zoneCount; ++zone)
        QCOMPARE(settings.zones[zone], PanelZone());
    QCOMPARE(settings.accessCode2, QString());
    QCOMPARE(settings.accessCode3, QString());
}

void TestPanelCodec::memoryImage_data()
{
    QTest::addColumn<PanelModel>("model");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("section30");
    QTest::addColumn<int>("section31");
    QTest::addColumn<int>("section44");
    QTest::addColumn<int>("section45");
    // Section offsets from the memory map.
    QTest::newRow("4-zone") << PanelModel::FourZone << 210 << 94 << 104 << 184 << 194;
    QTest::newRow("8-zone") << PanelModel::EightZone << 274 << 126 << 136 << 248 << 258;
    QTest::newRow("16-zone") << PanelModel::SixteenZone << 512 << 206 << 216 << 408 << 418;
}

void TestPanelCodec::memoryImage()
{
    QFETCH(PanelModel, model);
    QFETCH(int, size);
    QFETCH(int, section30);
    QFETCH(int, section31);
    QFETCH(int, section44);
    QFETCH(int, section45);
    const QByteArray expected = withBytes(size, {
        {0, 0x12}, {1, 0xAB},                                      // object number 1
        {4, 0x40}, {5, 0xB4}, {6, 0x21}, {7, 0xC3}, {8, 0xD5},     // "044B123C5D000000"
        {12, 0xDE},                                                // "ED00000000000000"
        {20, 0x23}, {21, 0x59}, {22, 0x30}, {23, 0x00}, {24, 0x05}, // test report, BCD
        {30, 0x1A},                                                // edS181
        {section30, 3}, {section30 + 1, 0x05},                     // cbS301, edS302
        {section31 + 15, 0xFF},                                    // edS3116
        {section44, 2},                                            // cbS441
        {section45 + 15, 0x07},                                    // edS4516
    });
    QCOMPARE(encodeMemory(model, memorySample()).toHex(), expected.toHex());

    PanelSettings decoded;
    QVERIFY(!decodeMemory(model, expected, decoded).anyAdjusted());
    QCOMPARE(decoded.telephones[0], memorySample().telephones[0]);
    QCOMPARE(decoded.telephones[1], memorySample().telephones[1]);
    QCOMPARE(decoded.sectionFields[13][15], QStringLiteral("FF"));
    QCOMPARE(decoded.protocols, memorySample().protocols);
    QCOMPARE(encodeMemory(model, decoded).toHex(), expected.toHex());
}

void TestPanelCodec::allZeroMemory_data()
{
    QTest::addColumn<PanelModel>("model");
    for (PanelModel model : kPanelModels)
        QTest::newRow(qPrintable(QString::number(panelModelInfo(model).zoneCount) + "-zone"))
            << model;
}

void TestPanelCodec::allZeroMemory()
{
    QFETCH(PanelModel, model);
    PanelSettings decoded = memorySample();
    decoded.sectionFields[5][10] = QStringLiteral("AA"); // beyond the 4- and 8-zone fields
    const QByteArray zeros(panelModelInfo(model).memorySize, '\0');
    QVERIFY(!decodeMemory(model, zeros, decoded).anyAdjusted());

    PanelSettings expected;
    for (PanelTelephone &telephone : expected.telephones)
        telephone.codeString = QStringLiteral("0000000000000000");
    QCOMPARE(decoded, expected);
    QCOMPARE(encodeMemory(model, decoded).toHex(), zeros.toHex());
}

// A stored protocol beyond the four items selects nothing and is written back as item 0.
void TestPanelCodec::unlistedProtocol()
{
    PanelSettings settings;
    decodeMemory(PanelModel::FourZone, withBytes(210, {{94, 7}}), settings);
    QCOMPARE(settings.protocols[0], -1);
    QCOMPARE(encodeMemory(PanelModel::FourZone, settings).toHex(), QByteArray(210, '\0').toHex());
}

void TestPanelCodec::testReportBytes_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("adjusted");
    QTest::newRow("hour with a non-decimal units nibble") << 0 << 0x2A << 23 << true;
    QTest::newRow("hour beyond 23") << 0 << 0x45 << 23 << true;
    QTest::newRow("minute 0x3F shows 39") << 1 << 0x3F << 39 << true;
    QTest::newRow("30 days") << 2 << 0x30 << 30 << false;
    QTest::newRow("31 days") << 2 << 0x31 << 30 << true;
    QTest::newRow("period hours 12") << 3 << 0x12 << 12 << false;
    QTest::newRow("minutes with a non-decimal tens nibble") << 4 << 0xF0 << 59 << true;
    QTest::newRow("minutes 59") << 4 << 0x59 << 59 << false;
}

void TestPanelCodec::testReportBytes()
{
    QFETCH(int, field);
    QFETCH(int, byte);
    QFETCH(int, shown);
    QFETCH(bool, adjusted);
    const QByteArray image = withBytes(210, {{20 + field, byte}});
    PanelSettings settings;
    const MemoryDecodeReport report = decodeMemory(PanelModel::FourZone, image, settings);
    QCOMPARE(settings.spinners[std::size_t(int(PanelSpinner::ReportHour) + field)], shown);
    QCOMPARE(report.testReportAdjusted[std::size_t(field)], adjusted);
    QCOMPARE(report.anyAdjusted(), adjusted);
}

void TestPanelCodec::anyImageLength_data()
{
    QTest::addColumn<PanelModel>("model");
    QTest::addColumn<int>("length");
    QTest::newRow("4-zone, empty") << PanelModel::FourZone << 0;
    QTest::newRow("4-zone, cut in a telephone number") << PanelModel::FourZone << 7;
    QTest::newRow("8-zone, cut in the test report") << PanelModel::EightZone << 22;
    QTest::newRow("8-zone, cut in a section") << PanelModel::EightZone << 140;
    QTest::newRow("16-zone, cut in the access code") << PanelModel::SixteenZone << 25;
    QTest::newRow("16-zone, longer than the image") << PanelModel::SixteenZone << 4096;
}

// A short image reads as if zero-padded to the model's size; bytes beyond it are ignored.
void TestPanelCodec::anyImageLength()
{
    QFETCH(PanelModel, model);
    QFETCH(int, length);
    const PanelModelInfo &info = panelModelInfo(model);
    QByteArray eeprom = encodeEeprom(model, 4, eepromSample()) + QByteArray(4096, '\x5A');
    QByteArray memory = encodeMemory(model, memorySample()) + QByteArray(4096, '\x5A');
    eeprom.truncate(length);
    memory.truncate(length);

    PanelSettings fromCut;
    PanelSettings fromPadded;
    decodeEeprom(model, 4, eeprom, fromCut);
    decodeEeprom(model, 4, zeroPadded(eeprom, info.eepromSize), fromPadded);
    decodeMemory(model, memory, fromCut);
    decodeMemory(model, zeroPadded(memory, info.memorySize), fromPadded);
    QCOMPARE(fromCut, fromPadded);
}

QTEST_APPLESS_MAIN(TestPanelCodec)
#include "tst_panelcodec.moc"
