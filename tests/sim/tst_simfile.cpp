// Settings images into and out of a simulated device: each image byte lands at the device
// address of the model's memory map (worked out by hand from the map's tables), and image
// bytes with no place in the device come back as 0.
#include "deviceimages.h"

#include <QTest>

Q_DECLARE_METATYPE(Model)
Q_DECLARE_METATYPE(ImageSegment::Image)
Q_DECLARE_METATYPE(SimArea)

namespace {
constexpr char kMarker = '\x5A';
constexpr int kUnmapped = -1;
// A clock stands still for the test at 07.03.26 14:30:25 (BCD, seconds first).
const QDateTime kNow(QDate(2026, 3, 7), QTime(14, 30, 25), Qt::UTC);
const QByteArray kClockBytes("\x25\x30\x14\x07\x03\x00\x26", 7);
} // namespace

class TstSimFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void imageBytePlacement_data();
    void imageBytePlacement();
};

void TstSimFile::imageBytePlacement_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<ImageSegment::Image>("image");
    QTest::addColumn<int>("offset");
    QTest::addColumn<SimArea>("area");
    QTest::addColumn<int>("address"); // kUnmapped: the byte has no place in the device
    QTest::addColumn<int>("variant");

    const auto E = ImageSegment::Image::Eeprom;
    const auto M = ImageSegment::Image::Memory;
    const auto ee = SimArea::Eeprom;
    const auto mem = SimArea::Memory;
    QTest::newRow("4p-eeprom-first") << Model::Korvel4p << E << 0 << ee << 0 << 2;
    QTest::newRow("4p-eeprom-14") << Model::Korvel4p << E << 14 << ee << 14 << 2;
    QTest::newRow("4p-access-code-at-64") << Model::Korvel4p << E << 15 << ee << 64 << 2;
    QTest::newRow("4p-eeprom-last") << Model::Korvel4p << E << 18 << ee << 67 << 2;
    QTest::newRow("4p-object-number-1") << Model::Korvel4p << M << 0 << mem << 0x4800 << 2;
    QTest::newRow("4p-object-number-2-low") << Model::Korvel4p << M << 3 << mem << 0x4841 << 2;
    QTest::newRow("4p-telephone-1") << Model::Korvel4p << M << 4 << mem << 0x4E80 << 2;
    QTest::newRow("4p-telephone-2-last") << Model::Korvel4p << M << 19 << mem << 0x4EC7 << 2;
    QTest::newRow("4p-test-report-last") << Model::Korvel4p << M << 24 << mem << 0x4F04 << 2;
    QTest::newRow("4p-unused-25") << Model::Korvel4p << M << 25 << mem << kUnmapped << 2;
    QTest::newRow("4p-section-18") << Model::Korvel4p << M << 30 << mem << 0x4880 << 2;
    QTest::newRow("4p-section-26") << Model::Korvel4p << M << 62 << mem << 0x4C00 << 2;
    QTest::newRow("4p-section-45-last") << Model::Korvel4p << M << 209 << mem << 0x4ACF << 2;
    QTest::newRow("8p-eeprom-15") << Model::Korvel8p << E << 15 << ee << 15 << 2;
    QTest::newRow("8p-access-code-at-64") << Model::Korvel8p << E << 16 << ee << 64 << 2;
    QTest::newRow("8p-section-19") << Model::Korvel8p << M << 38 << mem << 0x4900 << 2;
    QTest::newRow("8p-section-45-last") << Model::Korvel8p << M << 273 << mem << 0x4ACF << 2;
    QTest::newRow("16p-eeprom-19") << Model::Korvel16p << E << 19 << ee << 19 << 2;
    QTest::newRow("16p-address-byte-at-24") << Model::Korvel16p << E << 20 << ee << 24 << 2;
    QTest::newRow("16p-coincidence-at-27") << Model::Korvel16p << E << 23 << ee << 27 << 2;
    QTest::newRow("16p-access-code-at-64") << Model::Korvel16p << E << 24 << ee << 64 << 2;
    QTest::newRow("16p-section-19") << Model::Korvel16p << M << 46 << mem << 0x4900 << 2;
    QTest::newRow("16p-section-28") << Model::Korvel16p << M << 190 << mem << 0x4F40 << 2;
    QTest::newRow("16p-section-45-last") << Model::Korvel16p << M << 433 << mem << 0x4ACF << 2;
    QTest::newRow("16p-after-the-sections") << Model::Korvel16p << M << 434 << mem << kUnmapped << 2;
    QTest::newRow("16p-image-end") << Model::Korvel16p << M << 511 << mem << kUnmapped << 2;
    const auto P = Model::Korvel16_64p;
    QTest::newRow("64p-eeprom-19") << P << E << 19 << ee << 19 << 2;
    QTest::newRow("64p-line-fault-at-24") << P << E << 20 << ee << 0x18 << 2;
    QTest::newRow("64p-coincidence-at-26") << P << E << 22 << ee << 0x1A << 2;
    QTest::newRow("64p-access-code-2-at-64") << P << E << 23 << ee << 0x40 << 2;
    QTest::newRow("64p-access-code-3-last") << P << E << 28 << ee << 0x45 << 2;
    QTest::newRow("64p-object-number-1") << P << M << 0 << mem << 0xAA00 << 2;
    QTest::newRow("64p-object-number-2-low") << P << M << 3 << mem << 0xAA41 << 2;
    QTest::newRow("64p-telephone-1") << P << M << 4 << mem << 0x6680 << 2;
    QTest::newRow("64p-telephone-2-last") << P << M << 19 << mem << 0x66C7 << 2;
    QTest::newRow("64p-test-message-last") << P << M << 24 << mem << 0x6704 << 2;
    QTest::newRow("64p-unused-25") << P << M << 25 << mem << kUnmapped << 2;
    QTest::newRow("64p-unused-29") << P << M << 29 << mem << kUnmapped << 2;
    QTest::newRow("64p-section-19") << P << M << 30 << mem << 0xAA80 << 2;
    QTest::newRow("64p-section-31-field-10") << P << M << 215 << mem << 0x6609 << 2;
    QTest::newRow("64p-section-32-last") << P << M << 231 << mem << 0xAC8F << 2;
    QTest::newRow("64p-section-33") << P << M << 232 << mem << 0xAAC0 << 2;
    QTest::newRow("64p-section-44") << P << M << 400 << mem << 0x6800 << 2;
    QTest::newRow("64p-section-46-last") << P << M << 433 << mem << 0xACCF << 2;
    QTest::newRow("64p-module-1-relay-1-panel") << P << M << 434 << mem << 0x68C0 << 2;
    QTest::newRow("64p-module-1-last") << P << M << 545 << mem << 0x692F << 2;
    QTest::newRow("64p-module-2-relay-1-panel") << P << M << 546 << mem << 0x6940 << 2;
    QTest::newRow("64p-module-2-last") << P << M << 657 << mem << 0x69AF << 2;
    QTest::newRow("64p-slot-types-1-2") << P << M << 658 << mem << 0x6840 << 2;
    QTest::newRow("64p-slot-types-5-6") << P << M << 660 << mem << 0x6842 << 2;
    QTest::newRow("64p-modules") << P << M << 661 << mem << 0x6880 << 2;
    QTest::newRow("64p-unused-662") << P << M << 662 << mem << kUnmapped << 2;
    QTest::newRow("64p-image-end") << P << M << 663 << mem << kUnmapped << 2;
    const Model gsm = Model::ZmuGsm;
    QTest::newRow("gsm-eeprom-channel") << gsm << E << 1 << ee << 0x41 << 1;
    QTest::newRow("gsm-identifier") << gsm << M << 0 << mem << 0x7300 << 2;
    QTest::newRow("gsm-identifier-last-zero") << gsm << M << 5 << mem << 0x7305 << 2;
    QTest::newRow("gsm-hidden-code") << gsm << M << 6 << mem << 0x7400 << 1;
    QTest::newRow("gsm-access-point") << gsm << M << 12 << mem << 0x7308 << 1;
    QTest::newRow("gsm-ip-first-padding") << gsm << M << 91 << mem << 0x7337 << 1;
    QTest::newRow("gsm-ip-second-padding-under-the-port") << gsm << M << 92 << mem << kUnmapped << 1;
    QTest::newRow("gsm-panel-port") << gsm << M << 110 << mem << 0x7338 << 1;
    QTest::newRow("gsm-last-padding") << gsm << M << 131 << mem << 0x744A << 1;
    QTest::newRow("gsm-version-4-identifier") << gsm << M << 0 << mem << 0x6E00 << 4;
    QTest::newRow("gsm-version-4-alternative-interval") << gsm << M << 129 << mem << 0x6F48 << 4;
    const Model gsm4 = Model::ZmuGsm4;
    QTest::newRow("gsm4-eeprom-last-event-code") << gsm4 << E << 52 << ee << 0x74 << 1;
    QTest::newRow("gsm4-variant-marker") << gsm4 << E << 53 << ee << 0xFE << 2;
    QTest::newRow("gsm4-hidden-code") << gsm4 << M << 6 << mem << 0x6B00 << 1;
    QTest::newRow("gsm4-interval") << gsm4 << M << 126 << mem << 0x6A48 << 2;
    QTest::newRow("16p-after-the-sections") << Model::Korvel16p << M << 434 << mem << kUnmapped << 2;
    QTest::newRow("16p-image-end") << Model::Korvel16p << M << 511 << mem << kUnmapped << 2;
    const Model cs = Model::PKorvel24;
    const auto shortArea = SimArea::Short;
    QTest::newRow("2/4-test-message-last") << cs << M << 24 << mem << 0x6C44 << 1;
    QTest::newRow("2/4-unused-29") << cs << M << 29 << mem << kUnmapped << 1;
    QTest::newRow("2/4-section-15") << cs << M << 30 << mem << 0x6880 << 1;
    QTest::newRow("2/4-section-27-field-12") << cs << M << 129 << mem << 0x6B8B << 1;
    QTest::newRow("2/4-section-34") << cs << M << 166 << mem << 0x6E40 << 1;
    QTest::newRow("2/4-section-35-last") << cs << M << 173 << mem << 0x6E82 << 1;
    QTest::newRow("2/4-relay-2-zones") << cs << M << 181 << mem << 0x7007 << 1;
    QTest::newRow("2/4-line-fault-time") << cs << M << 182 << mem << 0x700D << 1;
    QTest::newRow("2/4-coincidence-time") << cs << M << 184 << mem << 0x700F << 1;
    QTest::newRow("2/4-direction-flags") << cs << M << 185 << mem << 0x7008 << 1;
    QTest::newRow("2/4-release-time-2") << cs << M << 189 << mem << 0x700C << 1;
    QTest::newRow("2/4-code-block-first") << cs << M << 190 << shortArea << 0xC1 << 1;
    QTest::newRow("2/4-level-3-code-last") << cs << M << 195 << shortArea << 0xC6 << 1;
}

void TstSimFile::imageBytePlacement()
{
    QFETCH(Model, model);
    QFETCH(ImageSegment::Image, image);
    QFETCH(int, offset);
    QFETCH(SimArea, area);
    QFETCH(int, address);
    QFETCH(int, variant);

    const ModelInfo &info = modelInfo(model);
    const std::optional<QList<ImageSegment>> segments = imageSegments(model, quint8(variant));
    QVERIFY(segments);
    settingsfile::Images images{QByteArray(info.eepromSize, '\0'), QByteArray(info.memorySize, '\0')};
    QByteArray &marked = image == ImageSegment::Image::Eeprom ? images.eeprom : images.memory;
    marked[offset] = kMarker;
    for (const ImageSegment &s : *segments) {
        if (s.space == SimArea::Clock)
            images.memory.replace(s.imageOffset, s.length, kClockBytes);
    }

    SimDevice device(info.typeCode, quint8(variant));
    device.setTimeSource([] { return kNow; });
    putImages(images, *segments, device);
    if (address != kUnmapped) {
        QCOMPARE(device.read(area, address, 1)->at(0), kMarker);
    } else {
        marked[offset] = '\0';
    }
    const settingsfile::Images back = imagesOf(device, *segments, info.eepromSize, info.memorySize);
    QCOMPARE(back.eeprom, images.eeprom);
    QCOMPARE(back.memory, images.memory);
}

QTEST_GUILESS_MAIN(TstSimFile)
#include "tst_simfile.moc"
