// The 2/4's memory image against bytes worked out by hand from its documented map: offsets
// 0 to 24 as the panels keep them, sections from 30, zone sets 174 to 181 (zones 5 to 8 in
// bits 4 to 7), times 182 to 184, direction flags 185, direction times 186 to 189, the code
// block 190 to 195 and the clock 196 to 202.
#include "controlstartcodec.h"

#include <QTest>

#include <functional>

using namespace controlstart;

using Edit = std::function<void(Settings &)>;
using ByteEdits = QList<std::pair<int, int>>;
Q_DECLARE_METATYPE(Edit)

namespace {

const QDateTime kNow(QDate(2026, 3, 7), QTime(14, 30, 25));

// What default settings (empty codes, 10 s coincidence time, 1 min release times) encode
// to, besides zeros: the release times, the coincidence time and the default codes 2222
// and 33333.
const ByteEdits kDefaults{{184, 0x01}, {187, 0x01}, {189, 0x01}, {191, 0x22}, {192, 0x22},
                          {193, 0x03}, {194, 0x33}, {195, 0x33}};

QByteArray withBytes(const ByteEdits &edits)
{
    QByteArray image(kMemorySize, '\0');
    for (const auto &[offset, value] : edits)
        image[offset] = char(value);
    return image;
}

// "offset: built/expected" for every byte that differs, empty when none does.
QString differences(const QByteArray &built, const QByteArray &expected)
{
    QStringList list;
    for (int i = 0; i < std::max(built.size(), expected.size()); ++i) {
        if (built.mid(i, 1) != expected.mid(i, 1))
            list << QStringLiteral("%1: %2/%3").arg(i).arg(QString::fromLatin1(built.mid(i, 1).toHex()),
                                                    QString::fromLatin1(expected.mid(i, 1).toHex()));
    }
    return list.join(QStringLiteral(", "));
}

ZoneSettings zone(int type, int mode, bool sounder, bool relay1, bool relay2)
{
    return {type, mode, {false, false, sounder, relay1, relay2}};
}

} // namespace

class TstControlStartCodec : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void encoded_data();
    void encoded();
    void decoded_data();
    void decoded();
    void readThenWrittenUnchanged();
};

// Each row's bytes are those it changes from the defaults.
void TstControlStartCodec::encoded_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<ByteEdits>("bytes");
    QTest::newRow("defaults") << Edit([](Settings &) {}) << ByteEdits{};
    QTest::newRow("level-2 code 0420") << Edit([](Settings &s) { s.accessCode2 = "0420"; })
                                       << ByteEdits{{191, 0x04}, {192, 0x20}};
    QTest::newRow("level-3 code 12345, first digit in a low nibble")
        << Edit([](Settings &s) { s.accessCode3 = "12345"; }) << ByteEdits{{193, 0x01}, {194, 0x23}, {195, 0x45}};
    QTest::newRow("zone sets, zones 1 to 4 never written") << Edit([](Settings &s) {
        s.zones.fill(zone(kDetectorClosed, kModeOneDetector, true, true, true));
        s.zones[4] = zone(kDetectorClosed, kModeOneDetector, true, false, false);
        s.zones[5] = zone(kDetectorCombined, kModeTwoDetectors, false, true, false);
        s.zones[6] = zone(kDetectorOpen, kModeTwoZones, false, false, false);
        s.zones[7] = zone(kDetectorOpen, kModeTwoZones, false, false, true);
    }) << ByteEdits{{174, 0x10}, {175, 0x10}, {176, 0x20}, {177, 0x10}, {178, 0x20}, {179, 0xC0},
                    {180, 0x20}, {181, 0x80}};
    QTest::newRow("times: line fault, sounder / 10, coincidence / 10") << Edit([](Settings &s) {
        s.times = {60, 120, 7};
    }) << ByteEdits{{182, 0x07}, {183, 0x0C}, {184, 0x06}};
    QTest::newRow("directions grouped per direction") << Edit([](Settings &s) {
        s.directions[0] = {kSupply12, true, 30, 5};
        s.directions[1] = {kSupply24, false, 60, 30};
    }) << ByteEdits{{185, 0x03}, {186, 30}, {187, 5}, {188, 60}, {189, 30}};
    QTest::newRow("direction 2 flags in bits 2 and 3") << Edit([](Settings &s) {
        s.directions[1] = {kSupply12, true, 0, 1};
    }) << ByteEdits{{185, 0x0C}};
    QTest::newRow("header: object number, telephone, test report") << Edit([](Settings &s) {
        s.objectNumbers = {"12AB", ""};
        s.telephones[0] = {"044+123*5", "044B123C5D000000", false};
        s.testReport = {23, 59, 30, 0, 5};
    }) << ByteEdits{{0, 0x12}, {1, 0xAB}, {4, 0x40}, {5, 0xB4}, {6, 0x21}, {7, 0xC3}, {8, 0xD5},
                    {20, 0x23}, {21, 0x59}, {22, 0x30}, {24, 0x05}};
    QTest::newRow("sections: 15, 27 with its protocol, 28, 35") << Edit([](Settings &s) {
        s.sectionFields[0][0] = "1a";  // edS151
        s.lists[0] = 2;                // cbS271 "Contact ID"
        s.sectionFields[12][11] = "7F"; // edS2712
        s.sectionFields[13][15] = "FF"; // edS2816
        s.sectionFields[19][2] = "0F";  // edS353
    }) << ByteEdits{{30, 0x1A}, {118, 0x02}, {129, 0x7F}, {145, 0xFF}, {173, 0x0F}};
    QTest::newRow("clock given, but not to be written") << Edit([](Settings &s) {
        s.clock.userTime = kNow;
    }) << ByteEdits{};
    QTest::newRow("clock written as BCD") << Edit([](Settings &s) {
        s.clock = {.write = true, .systemTime = false, .userTime = QDateTime(QDate(2027, 11, 30), QTime(9, 5, 0))};
    }) << ByteEdits{{196, 0x00}, {197, 0x05}, {198, 0x09}, {199, 0x30}, {200, 0x11}, {202, 0x27}};
}

void TstControlStartCodec::encoded()
{
    QFETCH(Edit, edit);
    QFETCH(ByteEdits, bytes);
    Settings settings;
    edit(settings);
    QCOMPARE(differences(encodeMemory(settings, kNow), withBytes(kDefaults + bytes)), QString());
}

// Each row decodes an image of zeros with its bytes set.
void TstControlStartCodec::decoded_data()
{
    QTest::addColumn<ByteEdits>("bytes");
    QTest::addColumn<Edit>("check");
    QTest::newRow("level-3 code 01 23 45 shows 12345")
        << ByteEdits{{193, 0x01}, {194, 0x23}, {195, 0x45}}
        << Edit([](Settings &s) { QCOMPARE(s.accessCode3, QStringLiteral("12345")); });
    QTest::newRow("codes of zeros show empty") << ByteEdits{} << Edit([](Settings &s) {
        QCOMPARE(s.accessCode2, QString());
        QCOMPARE(s.accessCode3, QString());
    });
    QTest::newRow("level-2 code 04 20 shows 0420") << ByteEdits{{191, 0x04}, {192, 0x20}}
                                                   << Edit([](Settings &s) { QCOMPARE(s.accessCode2, QStringLiteral("0420")); });
    QTest::newRow("zone bits 0 to 3 ignored") << ByteEdits{{174, 0x0F}, {175, 0x0F}, {179, 0x0F}, {181, 0x0F}}
                                              << Edit([](Settings &s) {
        for (int z = kFirstZone; z <= kLastZone; ++z)
            QCOMPARE(s.zones[z - 1], zone(kDetectorOpen, kModeNone, false, false, false));
    });
    QTest::newRow("two detectors beat one detector, two zones beat both")
        << ByteEdits{{176, 0x30}, {177, 0x30}, {179, 0x20}} << Edit([](Settings &s) {
        QCOMPARE(s.zones[4].mode, int(kModeTwoDetectors));
        QCOMPARE(s.zones[5].mode, int(kModeTwoZones));
    });
    QTest::newRow("closed and combined show combined") << ByteEdits{{175, 0x90}, {178, 0x10}} << Edit([](Settings &s) {
        QCOMPARE(s.zones[4].detectorType, int(kDetectorCombined));
        QCOMPARE(s.zones[7].detectorType, int(kDetectorClosed));
    });
    QTest::newRow("outputs of zones 5 and 8") << ByteEdits{{174, 0x10}, {180, 0x80}, {181, 0x90}} << Edit([](Settings &s) {
        QCOMPARE(s.zones[4].outputs, (std::array<bool, kOutputColumnCount>{false, false, true, false, true}));
        QCOMPARE(s.zones[7].outputs, (std::array<bool, kOutputColumnCount>{false, false, false, true, true}));
    });
    QTest::newRow("times read in the order they are written") << ByteEdits{{182, 7}, {183, 12}, {184, 6}} << Edit([](Settings &s) {
        QCOMPARE(s.times, (std::array<int, kTimingValueCount>{60, 120, 7}));
    });
    QTest::newRow("direction times read in the order they are written")
        << ByteEdits{{185, 0x09}, {186, 30}, {187, 5}, {188, 60}, {189, 30}} << Edit([](Settings &s) {
        QCOMPARE(s.directions[0], (Direction{kSupply12, false, 30, 5}));
        QCOMPARE(s.directions[1], (Direction{kSupply24, true, 60, 30}));
    });
    QTest::newRow("direction times beyond their spinners") << ByteEdits{{186, 200}, {187, 0}, {189, 99}} << Edit([](Settings &s) {
        QCOMPARE(s.directions[0].evacuationDelay, 60);
        QCOMPARE(s.directions[0].releaseTime, 1);
        QCOMPARE(s.directions[1].releaseTime, 30);
    });
    QTest::newRow("unlisted protocol leaves the list without a selection") << ByteEdits{{118, 0x04}}
                                                                           << Edit([](Settings &s) { QCOMPARE(s.lists[0], -1); });
    QTest::newRow("clock 07.03.26 14:30:25")
        << ByteEdits{{196, 0x25}, {197, 0x30}, {198, 0x14}, {199, 0x07}, {200, 0x03}, {202, 0x26}}
        << Edit([](Settings &s) {
        QCOMPARE(s.clock.deviceText, QStringLiteral("07.03.26 14:30:25"));
        QCOMPARE(s.clock.readAtText, QStringLiteral("07.03.26 14:30:25"));
    });
    QTest::newRow("clock of zeros keeps the labels") << ByteEdits{{196, 0x25}} << Edit([](Settings &s) {
        QCOMPARE(s.clock.deviceText, QStringLiteral("as before"));
    });
}

void TstControlStartCodec::decoded()
{
    QFETCH(ByteEdits, bytes);
    QFETCH(Edit, check);
    Settings settings;
    settings.clock.deviceText = QStringLiteral("as before");
    decodeMemory(withBytes(bytes), kNow, settings);
    check(settings);
}

// A device image whose every field holds a value its control can show is written back as
// it was read; the clock, which the editor does not write unless asked, aside.
void TstControlStartCodec::readThenWrittenUnchanged()
{
    QByteArray image = withBytes({{0, 0x0A}, {1, 0x1B}, {2, 0xFF}, {3, 0xFE}, {4, 0x40}, {5, 0xB4}, {6, 0xD0},
                                  {12, 0xE8}, {13, 0xDB}, {20, 0x13}, {21, 0x45}, {22, 0x03}, {23, 0x06},
                                  {24, 0x30}, {118, 0x03}, {119, 0x05}, {174, 0xF0}, {175, 0x10}, {176, 0x10},
                                  {178, 0x20}, {179, 0xC0}, {180, 0x50}, {181, 0xA0}, {182, 0x07}, {183, 0x0C},
                                  {184, 0x06}, {185, 0x0B}, {186, 0x1E}, {187, 0x05}, {188, 0x3C}, {189, 0x1E},
                                  {191, 0x98}, {192, 0x76}, {193, 0x05}, {194, 0x43}, {195, 0x21}});
    for (int offset = kSectionsImageOffset; offset < 174; ++offset) {
        if (offset != 118) // the protocol, 3 above
            image[offset] = char(offset);
    }
    Settings settings;
    decodeMemory(image, kNow, settings);
    QCOMPARE(differences(encodeMemory(settings, kNow), image), QString());
}

QTEST_GUILESS_MAIN(TstControlStartCodec)
#include "tst_controlstartcodec.moc"
