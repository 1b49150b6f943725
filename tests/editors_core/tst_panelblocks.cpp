#include "panelblocks.h"
#include "panelsections.h"

#include <QTest>

Q_DECLARE_METATYPE(PanelModel)

namespace {

QString hex4(int value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

QString areaLetter(PanelArea area)
{
    return area == PanelArea::Eeprom ? QStringLiteral("E") : QStringLiteral("M");
}

// "E 0040 @15 n4 r4": area, device address, image offset, length, request size; "short"
// marks a short read.
QString describe(const DeviceBlock &b)
{
    return QStringLiteral("%1 %2 @%3 n%4 r%5%6")
        .arg(areaLetter(b.area))
        .arg(hex4(b.deviceAddress))
        .arg(b.imageOffset)
        .arg(b.length)
        .arg(b.requestSize)
        .arg(b.form == RequestForm::ShortRead ? QStringLiteral(" short") : QString());
}

QStringList describe(const QList<DeviceBlock> &blocks)
{
    QStringList lines;
    for (const DeviceBlock &b : blocks)
        lines.append(describe(b));
    return lines;
}

// "E 1540 @0 n8": area, configurator data address, image offset, length.
QString describe(const ConfiguratorBlock &b)
{
    return QStringLiteral("%1 %2 @%3 n%4")
        .arg(areaLetter(b.area))
        .arg(hex4(b.dataAddress))
        .arg(b.imageOffset)
        .arg(b.length);
}

// "1040>1240 d1540 0000 t23 v0 a1 n8 | E 1540 @0 n8": descriptor address, next descriptor,
// data address, device address, type, variant, area, count; then the data block.
QString describe(const ConfiguratorWriteBlock &w)
{
    const TPacketList::Descriptor &d = w.descriptor;
    return QStringLiteral("%1>%2 d%3 %4 t%5 v%6 a%7 n%8 | %9")
        .arg(hex4(d.record), hex4(d.next), hex4(d.data), hex4(d.deviceAddress))
        .arg(d.deviceType)
        .arg(d.variant)
        .arg(d.area)
        .arg(d.count)
        .arg(describe(w.data));
}

} // namespace

class TestPanelBlocks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fourZoneWriteVariant2();
    void deviceWrite_data();
    void deviceWrite();
    void deviceRead_data();
    void deviceRead();
    void configuratorWrite_data();
    void configuratorWrite();
    void configuratorRead_data();
    void configuratorRead();
};

// The whole list, from the EEPROM table and the memory map: byte 14 is not written, and the
// test report goes as 6 bytes.
void TestPanelBlocks::fourZoneWriteVariant2()
{
    const QStringList expected{
        "E 0000 @0 n14 r8",   "E 0040 @15 n4 r4",
        "M 4800 @0 n2 r2",    "M 4840 @2 n2 r2",    "M 4E80 @4 n8 r8",    "M 4EC0 @12 n8 r8",
        "M 4F00 @20 n6 r6",
        "M 4880 @30 n4 r4",   "M 4900 @34 n4 r4",   "M 4D00 @38 n4 r4",   "M 4D80 @42 n4 r4",
        "M 4980 @46 n4 r4",   "M 4A00 @50 n4 r4",   "M 4B00 @54 n4 r4",   "M 4B80 @58 n4 r4",
        "M 4C00 @62 n8 r8",   "M 4C80 @70 n8 r8",   "M 4F40 @78 n8 r8",   "M 4FC0 @86 n8 r8",
        "M 4E00 @94 n10 r10", "M 4A80 @104 n16 r16",
        "M 48C0 @120 n4 r4",  "M 4940 @124 n4 r4",  "M 4D40 @128 n4 r4",  "M 4DC0 @132 n4 r4",
        "M 49C0 @136 n4 r4",  "M 4A40 @140 n4 r4",  "M 4B40 @144 n4 r4",  "M 4BC0 @148 n4 r4",
        "M 4C40 @152 n8 r8",  "M 4CC0 @160 n8 r8",  "M 4F80 @168 n8 r8",  "M 5000 @176 n8 r8",
        "M 4E40 @184 n10 r10", "M 4AC0 @194 n16 r16",
    };
    QCOMPARE(describe(deviceWriteBlocks(PanelModel::FourZone, 2)), expected);
}

void TestPanelBlocks::deviceWrite_data()
{
    QTest::addColumn<PanelModel>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QStringList>("eeprom");
    QTest::addColumn<QString>("testReport");
    QTest::addColumn<QString>("lastSection");
    const auto four = PanelModel::FourZone;
    const auto eight = PanelModel::EightZone;
    const auto sixteen = PanelModel::SixteenZone;
    QTest::newRow("4-zone variant 3 writes byte 14")
        << four << 3 << QStringList{"E 0000 @0 n15 r8", "E 0040 @15 n4 r4"}
        << "M 4F00 @20 n6 r6" << "M 4AC0 @194 n16 r16";
    QTest::newRow("4-zone variant 7 writes no EEPROM")
        << four << 7 << QStringList{} << "M 4F00 @20 n6 r6" << "M 4AC0 @194 n16 r16";
    QTest::newRow("8-zone variant 2 leaves bytes 14 and 15")
        << eight << 2 << QStringList{"E 0000 @0 n14 r8", "E 0040 @16 n4 r4"}
        << "M 4F00 @20 n5 r5" << "M 4AC0 @258 n16 r16";
    QTest::newRow("8-zone variant 1 writes no EEPROM")
        << eight << 1 << QStringList{} << "M 4F00 @20 n5 r5" << "M 4AC0 @258 n16 r16";
    QTest::newRow("16-zone variant 2")
        << sixteen << 2
        << QStringList{"E 0000 @0 n20 r8", "E 0018 @20 n4 r8", "E 0040 @24 n4 r4"}
        << "M 4F00 @20 n5 r5" << "M 4AC0 @418 n16 r16";
}

void TestPanelBlocks::deviceWrite()
{
    QFETCH(PanelModel, model);
    QFETCH(int, variant);
    QFETCH(QStringList, eeprom);
    QFETCH(QString, testReport);
    QFETCH(QString, lastSection);
    const QStringList blocks = describe(deviceWriteBlocks(model, variant));
    QCOMPARE(blocks.size(), eeprom.size() + 33);
    QCOMPARE(blocks.mid(0, eeprom.size()), eeprom);
    QCOMPARE(blocks[eeprom.size() + kTestReportBlock], testReport);
    QCOMPARE(blocks.last(), lastSection);
}

void TestPanelBlocks::deviceRead_data()
{
    QTest::addColumn<PanelModel>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("baudRate");
    QTest::addColumn<QStringList>("eeprom");
    QTest::addColumn<QString>("testReport"); // empty: no memory reads
    QTest::addColumn<QString>("firstSection");
    const auto four = PanelModel::FourZone;
    const auto eight = PanelModel::EightZone;
    const QStringList fourEeprom{"E 0000 @0 n15 r1", "E 0040 @15 n4 r1"};
    const QStringList eightEeprom{"E 0000 @0 n16 r1", "E 0040 @16 n4 r1"};
    QTest::newRow("4-zone variant 2: two-byte requests, every EEPROM byte")
        << four << 2 << 19200 << fourEeprom << "M 4F00 @20 n6 r2" << "M 4880 @30 n4 r2";
    QTest::newRow("4-zone variant 4 at 9600: still two-byte requests")
        << four << 4 << 9600 << fourEeprom << "M 4F00 @20 n6 r2" << "M 4880 @30 n4 r2";
    QTest::newRow("4-zone variant 5 at 9600: whole blocks")
        << four << 5 << 9600 << fourEeprom << "M 4F00 @20 n5 r5" << "M 4880 @30 n4 r4";
    QTest::newRow("4-zone variant 6 at 19200: whole blocks")
        << four << 6 << 19200 << fourEeprom << "M 4F00 @20 n5 r5" << "M 4880 @30 n4 r4";
    QTest::newRow("4-zone variant 6 at 9600: short reads")
        << four << 6 << 9600 << fourEeprom << "M 4F00 @20 n5 r2 short"
        << "M 4880 @30 n4 r2 short";
    QTest::newRow("4-zone variant 0: EEPROM only") << four << 0 << 19200 << fourEeprom << ""
                                                   << "";
    QTest::newRow("8-zone variant 2: all EEPROM bytes, two-byte requests")
        << eight << 2 << 19200 << eightEeprom << "M 4F00 @20 n6 r2" << "M 4880 @30 n8 r2";
    QTest::newRow("8-zone variant 4: whole blocks")
        << eight << 4 << 9600 << eightEeprom << "M 4F00 @20 n5 r5" << "M 4880 @30 n8 r8";
    QTest::newRow("8-zone variant 6 at 9600: short reads")
        << eight << 6 << 9600 << eightEeprom << "M 4F00 @20 n5 r2 short"
        << "M 4880 @30 n8 r2 short";
    QTest::newRow("16-zone at 9600: whole blocks")
        << PanelModel::SixteenZone << 2 << 9600
        << QStringList{"E 0000 @0 n20 r1", "E 0018 @20 n4 r1", "E 0040 @24 n4 r1"}
        << "M 4F00 @20 n5 r5" << "M 4880 @30 n16 r16";
}

void TestPanelBlocks::deviceRead()
{
    QFETCH(PanelModel, model);
    QFETCH(int, variant);
    QFETCH(int, baudRate);
    QFETCH(QStringList, eeprom);
    QFETCH(QString, testReport);
    QFETCH(QString, firstSection);
    const QStringList blocks = describe(deviceReadBlocks(model, variant, baudRate));
    QCOMPARE(blocks.mid(0, eeprom.size()), eeprom);
    if (testReport.isEmpty()) {
        QCOMPARE(blocks.size(), eeprom.size());
        return;
    }
    QCOMPARE(blocks.size(), eeprom.size() + 33);
    QCOMPARE(blocks[eeprom.size() + kTestReportBlock], testReport);
    QCOMPARE(blocks[eeprom.size() + kHeaderBlockCount], firstSection);
}

void TestPanelBlocks::configuratorWrite_data()
{
    QTest::addColumn<PanelModel>("model");
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QStringList>("eeprom");
    QTest::addColumn<QStringList>("memory"); // blocks k = 0, 4 and 32
    QTest::newRow("4-zone variant 3, slot 2: recorded as variant 0")
        << PanelModel::FourZone << 3 << 2
        << QStringList{"1040>1240 d1540 0000 t23 v0 a1 n8 | E 1540 @0 n8",
                       "1240>1340 d1548 0008 t23 v0 a1 n7 | E 1548 @8 n7",
                       "1340>1A40 d1640 0040 t23 v0 a1 n4 | E 1640 @15 n4"}
        << QStringList{"1A40>1B40 d4040 4800 t23 v0 a2 n2 | M 4040 @0 n2",
                       "1E40>1F40 d4440 4F00 t23 v0 a2 n5 | M 4440 @20 n5",
                       "3A40>0000 d6040 4AC0 t23 v0 a2 n16 | M 6040 @194 n16"};
    QTest::newRow("4-zone variant 5, slot out of range uses base 0")
        << PanelModel::FourZone << 5 << 5
        << QStringList{"1000>1200 d1500 0000 t23 v5 a1 n8 | E 1500 @0 n8",
                       "1200>1300 d1508 0008 t23 v5 a1 n7 | E 1508 @8 n7",
                       "1300>1A00 d1600 0040 t23 v5 a1 n4 | E 1600 @15 n4"}
        << QStringList{"1A00>1B00 d4000 4800 t23 v5 a2 n2 | M 4000 @0 n2",
                       "1E00>1F00 d4400 4F00 t23 v5 a2 n5 | M 4400 @20 n5",
                       "3A00>0000 d6000 4AC0 t23 v5 a2 n16 | M 6000 @194 n16"};
    QTest::newRow("4-zone variant 7, slot 3: memory only")
        << PanelModel::FourZone << 7 << 3 << QStringList{}
        << QStringList{"1A80>1B80 d4080 4800 t23 v7 a2 n2 | M 4080 @0 n2",
                       "1E80>1F80 d4480 4F00 t23 v7 a2 n5 | M 4480 @20 n5",
                       "3A80>0000 d6080 4AC0 t23 v7 a2 n16 | M 6080 @194 n16"};
    QTest::newRow("8-zone variant 2, slot 1: device gets 6 of 8 stored bytes")
        << PanelModel::EightZone << 2 << 1
        << QStringList{"1000>1200 d1500 0000 t22 v2 a1 n8 | E 1500 @0 n8",
                       "1200>1300 d1508 0008 t22 v2 a1 n6 | E 1508 @8 n8",
                       "1300>1A00 d1600 0040 t22 v2 a1 n4 | E 1600 @16 n4"}
        << QStringList{"1A00>1B00 d4000 4800 t22 v2 a2 n2 | M 4000 @0 n2",
                       "1E00>1F00 d4400 4F00 t22 v2 a2 n5 | M 4400 @20 n5",
                       "3A00>0000 d6000 4AC0 t22 v2 a2 n16 | M 6000 @258 n16"};
    QTest::newRow("16-zone variant 4, slot 4")
        << PanelModel::SixteenZone << 4 << 4
        << QStringList{"10C0>12C0 d15C0 0000 t30 v4 a1 n16 | E 15C0 @0 n16",
                       "12C0>13C0 d15D0 0010 t30 v4 a1 n4 | E 15D0 @16 n4",
                       "13C0>14C0 d16C0 0018 t30 v4 a1 n4 | E 16C0 @20 n4",
                       "14C0>1AC0 d17C0 0040 t30 v4 a1 n4 | E 17C0 @24 n4"}
        << QStringList{"1AC0>1BC0 d40C0 4800 t30 v4 a2 n2 | M 40C0 @0 n2",
                       "1EC0>1FC0 d44C0 4F00 t30 v4 a2 n5 | M 44C0 @20 n5",
                       "3AC0>0000 d60C0 4AC0 t30 v4 a2 n16 | M 60C0 @418 n16"};
}

void TestPanelBlocks::configuratorWrite()
{
    QFETCH(PanelModel, model);
    QFETCH(int, variant);
    QFETCH(int, slot);
    QFETCH(QStringList, eeprom);
    QFETCH(QStringList, memory);
    const QList<ConfiguratorWriteBlock> writes = configuratorWriteBlocks(model, variant, slot);
    QCOMPARE(writes.size(), eeprom.size() + 33);
    QStringList lines;
    for (const ConfiguratorWriteBlock &write : writes)
        lines.append(describe(write));
    QCOMPARE(lines.mid(0, eeprom.size()), eeprom);
    const qsizetype first = eeprom.size();
    QCOMPARE((QStringList{lines[first], lines[first + kTestReportBlock], lines.last()}), memory);
    for (qsizetype i = 0; i + 1 < writes.size(); ++i)
        QCOMPARE(writes[i].descriptor.next, writes[i + 1].descriptor.record);
}

void TestPanelBlocks::configuratorRead_data()
{
    QTest::addColumn<PanelModel>("model");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QStringList>("eeprom");
    QTest::addColumn<QString>("lastSection");
    QTest::newRow("4-zone slot 1")
        << PanelModel::FourZone << 1
        << QStringList{"E 1500 @0 n8", "E 1508 @8 n7", "E 1600 @15 n4"} << "M 6000 @194 n16";
    QTest::newRow("8-zone slot 3")
        << PanelModel::EightZone << 3
        << QStringList{"E 1580 @0 n8", "E 1588 @8 n8", "E 1680 @16 n4"} << "M 6080 @258 n16";
    QTest::newRow("16-zone slot 2")
        << PanelModel::SixteenZone << 2
        << QStringList{"E 1540 @0 n16", "E 1550 @16 n4", "E 1640 @20 n4", "E 1740 @24 n4"}
        << "M 6040 @418 n16";
}

// Reads fetch what a write of the same slot stored, in the same order.
void TestPanelBlocks::configuratorRead()
{
    QFETCH(PanelModel, model);
    QFETCH(int, slot);
    QFETCH(QStringList, eeprom);
    QFETCH(QString, lastSection);
    const QList<ConfiguratorBlock> reads = configuratorReadBlocks(model, slot);
    QStringList lines;
    for (const ConfiguratorBlock &read : reads)
        lines.append(describe(read));
    QCOMPARE(lines.mid(0, eeprom.size()), eeprom);
    QCOMPARE(lines.last(), lastSection);

    const QList<ConfiguratorWriteBlock> writes = configuratorWriteBlocks(model, 5, slot);
    QCOMPARE(reads.size(), writes.size());
    for (qsizetype i = 0; i < reads.size(); ++i)
        QCOMPARE(describe(reads[i]), describe(writes[i].data));
}

QTEST_APPLESS_MAIN(TestPanelBlocks)
#include "tst_panelblocks.moc"
