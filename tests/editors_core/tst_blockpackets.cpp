// Whole transfers of each panel model as frames, against frames worked out by hand from
// the memory map: frame counts, the EEPROM part and the ends of the memory part.
#include "blockpackets.h"

#include <QTest>
#include <functional>

using Build = std::function<void(TPacketList &, const QByteArray &, const QByteArray &)>;
Q_DECLARE_METATYPE(Build)

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray numbered(int size, int first)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(char(first + i));
    return bytes;
}

} // namespace

class TstBlockPackets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void transfers_data();
    void transfers();
};

void TstBlockPackets::transfers_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("positions"); // negative: from the end
    QTest::addColumn<QList<QByteArray>>("frames");

    QTest::newRow("4-zone-variant-2-device-write")
        << Build([](TPacketList &l, const QByteArray &e, const QByteArray &m) {
               const auto blocks = deviceWriteBlocks(PanelModel::FourZone, 2);
               appendDeviceWrite(l, blocks, PanelArea::Eeprom, e, m);
               appendDeviceWrite(l, blocks, PanelArea::Memory, e, m);
           })
        << 71 << QList<int>{0, 1, 2, 3, 4, 5, 6, 13, 14}
        << QList<QByteArray>{hex("C6 01 07 01 00 00 CD"),
                             hex("C6 01 0D 03 10 11 12 13 14 15 16 17 A3"),
                             hex("C6 01 0B 03 18 19 1A 1B 1C 1D FD"), // byte 14 never written
                             hex("C6 01 07 01 40 00 56"), hex("C6 01 09 03 1F 20 21 22 01"),
                             hex("C6 01 07 01 00 48 49"), hex("C6 01 07 02 00 01 77"),
                             hex("C6 01 07 01 00 4F CA"), // test report: six bytes
                             hex("C6 01 0B 02 14 15 16 17 18 19 6F")};
    QTest::newRow("8-zone-variant-4-device-read")
        << Build([](TPacketList &l, const QByteArray &, const QByteArray &) {
               const auto blocks = deviceReadBlocks(PanelModel::EightZone, 4, 38400);
               appendDeviceRead(l, blocks, PanelArea::Eeprom);
               appendDeviceRead(l, blocks, PanelArea::Memory);
           })
        << 88 << QList<int>{0, 1, 16, 17, 18, 22, 23, 30, 31}
        << QList<QByteArray>{hex("C6 01 07 01 00 00 CD"), hex("C6 01 07 05 00 00 53"),
                             hex("C6 01 07 05 00 00 53"), hex("C6 01 07 01 40 00 56"),
                             hex("C6 01 07 05 00 00 53"), hex("C6 01 07 01 00 48 49"),
                             hex("C6 01 07 06 00 00 B7"), hex("C6 01 07 01 00 4F CA"),
                             hex("C6 01 0A 06 00 00 00 00 00 FE")};
    QTest::newRow("4-zone-variant-6-at-9600-reads-short")
        << Build([](TPacketList &l, const QByteArray &, const QByteArray &) {
               const auto blocks = deviceReadBlocks(PanelModel::FourZone, 6, 9600);
               appendDeviceRead(l, blocks, PanelArea::Eeprom);
               appendDeviceRead(l, blocks, PanelArea::Memory);
           })
        << 87 << QList<int>{21, 22, 29, 30}
        << QList<QByteArray>{hex("C6 01 07 01 00 48 49"), hex("C6 01 07 06 00 00 B7"),
                             hex("C6 01 07 01 00 4F CA"), hex("C6 01 07 06 00 00 B7")};
    QTest::newRow("16-zone-variant-3-configurator-slot-2")
        << Build([](TPacketList &l, const QByteArray &e, const QByteArray &m) {
               appendConfiguratorWrite(l, configuratorWriteBlocks(PanelModel::SixteenZone, 3, 2), e, m);
           })
        << 74 << QList<int>{0, 3, 4, 8, 40, 41}
        << QList<QByteArray>{hex("C6 07 11 01 40 10 1E 03 01 40 15 00 00 10 40 12 EA"),
                             hex("C6 07 11 01 40 14 1E 03 01 40 17 40 00 04 40 1A 04"),
                             hex("C6 07 17 02 40 15 10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F 90"),
                             hex("C6 07 11 01 40 1A 1E 03 02 40 40 00 48 02 40 1B C2"),
                             hex("C6 07 11 01 40 3A 1E 03 02 40 60 C0 4A 10 00 00 A1"),
                             hex("C6 07 09 02 40 40 00 01")};
}

void TstBlockPackets::transfers()
{
    QFETCH(Build, build);
    QFETCH(int, count);
    QFETCH(QList<int>, positions);
    QFETCH(QList<QByteArray>, frames);
    TPacketList list;
    build(list, numbered(28, 0x10), numbered(512, 0));
    QCOMPARE(int(list.size()), count);
    for (int i = 0; i < positions.size(); ++i) {
        const QByteArray &actual = list.at(positions[i]).Data;
        const QByteArray &expected = frames[i];
        // A frame given without its CRC is compared without it.
        QCOMPARE(actual.left(expected.size()).toHex(' '), expected.toHex(' '));
    }
}

QTEST_GUILESS_MAIN(TstBlockPackets)
#include "tst_blockpackets.moc"
