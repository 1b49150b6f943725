// Frame checksum and request builders against frames worked out by hand.
#include "frame.h"
#include "packets.h"

#include <QTest>
#include <functional>

using Builder = std::function<void(TPacketList &)>;
Q_DECLARE_METATYPE(Builder)

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// Twenty image bytes 0x10, 0x11, ... 0x23.
QByteArray image()
{
    QByteArray bytes;
    for (int i = 0; i < 20; ++i)
        bytes.append(char(0x10 + i));
    return bytes;
}

THexData block(quint16 address, const QByteArray &data)
{
    return THexData{quint8(data.size()), address, address + qint32(data.size()), data};
}

// `count` bytes counting up from `from`.
QByteArray counting(int from, int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(char(from + i));
    return bytes;
}

QList<THexData> firmware()
{
    return {block(0x0800, hex("AA BB")), block(0x0802, hex("CC")), block(0x1000, hex("DD EE"))};
}

} // namespace

class TstPackets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void crcExamples_data();
    void crcExamples();
    void builders_data();
    void builders();
    void clearConfigurator();
    void firmwareSetsAddressEveryTenthBlock();
    void replyCheck_data();
    void replyCheck();
};

void TstPackets::crcExamples_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("crc");
    QTest::newRow("identify") << hex("C6 01 07 07 00 00") << 0x1C;
    QTest::newRow("regular-mode") << hex("C6 01 07 08 00 00") << 0x43;
    QTest::newRow("read-eeprom-byte") << hex("C6 01 07 05 00 00") << 0x53;
    QTest::newRow("read-memory-two") << hex("C6 01 07 06 00 00") << 0xB7;
    QTest::newRow("empty") << QByteArray() << 0;
}

void TstPackets::crcExamples()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, crc);
    QCOMPARE(int(frame::crc8(bytes)), crc);
}

void TstPackets::builders_data()
{
    QTest::addColumn<Builder>("build");
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QList<int>>("dests");
    QTest::addColumn<QList<int>>("counts");

    const QByteArray img = image();
    QTest::newRow("set-address")
        << Builder([](TPacketList &l) { l.AddSetAddress(0x4E80); })
        << QList<QByteArray>{hex("C6 01 07 01 80 4E BB")} << QList<int>{3} << QList<int>{0}
        << QList<int>{0};
    QTest::newRow("identify") << Builder([](TPacketList &l) { l.AddIdentify(); })
                              << QList<QByteArray>{hex("C6 01 07 07 00 00 1C")} << QList<int>{4}
                              << QList<int>{0} << QList<int>{0};
    QTest::newRow("regular-mode") << Builder([](TPacketList &l) { l.AddRegularMode(); })
                                  << QList<QByteArray>{hex("C6 01 07 08 00 00 43")}
                                  << QList<int>{8} << QList<int>{0} << QList<int>{0};
    QTest::newRow("eeprom-byte-read") << Builder([](TPacketList &l) { l.AddReadEepromByte(5); })
                                      << QList<QByteArray>{hex("C6 01 07 05 00 00 53")}
                                      << QList<int>{5} << QList<int>{5} << QList<int>{0};
    QTest::newRow("eeprom-write-14-in-chunks-of-8")
        << Builder([img](TPacketList &l) { l.AddWriteEeprom(8, 0, 14, img); })
        << QList<QByteArray>{hex("C6 01 0D 03 10 11 12 13 14 15 16 17 A3"),
                             hex("C6 01 0B 03 18 19 1A 1B 1C 1D FD")}
        << QList<int>{7, 7} << QList<int>{0, 0} << QList<int>{0, 0};
    QTest::newRow("memory-write-one-block")
        << Builder([img](TPacketList &l) { l.AddWriteMemory(5, 0, 5, img); })
        << QList<QByteArray>{hex("C6 01 0A 02 10 11 12 13 14 A9")} << QList<int>{7}
        << QList<int>{0} << QList<int>{0};
    QTest::newRow("memory-read-two-bytes")
        << Builder([](TPacketList &l) { l.AddReadMemory(2, 2, 0); })
        << QList<QByteArray>{hex("C6 01 07 06 00 00 B7")} << QList<int>{6} << QList<int>{0}
        << QList<int>{0};
    QTest::newRow("memory-read-chunks-dest-advances")
        << Builder([](TPacketList &l) { l.AddReadMemory(16, 20, 30); })
        << QList<QByteArray>{hex("C6 01 15 06 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 A6"),
                             hex("C6 01 09 06 00 00 00 00 7F")}
        << QList<int>{6, 6} << QList<int>{30, 46} << QList<int>{0, 0};
    QTest::newRow("memory-read-short")
        << Builder([](TPacketList &l) { l.AddReadMemoryShort(46); })
        << QList<QByteArray>{hex("C6 01 07 06 00 00 B7")} << QList<int>{6} << QList<int>{46}
        << QList<int>{0};
    QTest::newRow("count-zero-appends-nothing") << Builder([img](TPacketList &l) {
        l.AddWriteEeprom(8, 0, 0, img);
        l.AddWriteMemory(8, 0, 0, img);
        l.AddReadMemory(8, 0, 0);
        l.AddShortWrite(0xC1, 4, 0, 0, img);
    }) << QList<QByteArray>{} << QList<int>{} << QList<int>{} << QList<int>{};
    QTest::newRow("slot-2-header") << Builder([](TPacketList &l) {
        l.AddReadSlotHeader(configurator::slotHeaderAddress(2));
    }) << QList<QByteArray>{hex("C6 07 07 03 40 10 18")} << QList<int>{9} << QList<int>{0}
                                   << QList<int>{0};
    QTest::newRow("slot-3-header") << Builder([](TPacketList &l) {
        l.AddReadSlotHeader(configurator::slotHeaderAddress(3));
    }) << QList<QByteArray>{hex("C6 07 07 03 80 10 AC")} << QList<int>{9} << QList<int>{0}
                                   << QList<int>{0};
    QTest::newRow("survey-four-slots")
        << Builder([](TPacketList &l) { l.AddSurveySlots(); })
        << QList<QByteArray>{hex("C6 07 07 03 00 10 83"), hex("C6 07 07 03 40 10 18"),
                             hex("C6 07 07 03 80 10 AC"), hex("C6 07 07 03 C0 10 37")}
        << QList<int>{10, 10, 10, 10} << QList<int>{0, 0, 0, 0} << QList<int>{0, 0, 0, 0};
    QTest::newRow("descriptor-eeprom-slot-2") << Builder([](TPacketList &l) {
        l.AddDescriptor({0x1040, 0x1540, 0, 0x1240, 23, 0, 1, 8});
    }) << QList<QByteArray>{hex("C6 07 11 01 40 10 17 00 01 40 15 00 00 08 40 12 98")}
                                              << QList<int>{1} << QList<int>{0} << QList<int>{0};
    QTest::newRow("configurator-write")
        << Builder([img](TPacketList &l) { l.AddConfiguratorWrite(0x4500, 2, 3, img); })
        << QList<QByteArray>{hex("C6 07 0A 02 00 45 12 13 14 90")} << QList<int>{7}
        << QList<int>{0} << QList<int>{0};
    QTest::newRow("configurator-read-memory")
        << Builder([](TPacketList &l) { l.AddConfiguratorRead(0x4000, 4, 2, 8); })
        << QList<QByteArray>{hex("C6 07 07 03 00 40 58")} << QList<int>{2} << QList<int>{4}
        << QList<int>{8};
    QTest::newRow("short-write-same-address-each-chunk")
        << Builder([img](TPacketList &l) { l.AddShortWrite(0xC1, 4, 0, 6, img); })
        << QList<QByteArray>{hex("C6 01 0A 09 C1 10 11 12 13 EE"), hex("C6 01 08 09 C1 14 15 C9")}
        << QList<int>{7, 7} << QList<int>{0, 0} << QList<int>{0, 0};
    QTest::newRow("short-read") << Builder([](TPacketList &l) { l.AddShortRead(0xC1, 6, 100); })
                                << QList<QByteArray>{hex("C6 01 07 0A C1 06 A1")} << QList<int>{6}
                                << QList<int>{100} << QList<int>{0};
    QTest::newRow("clock-write") << Builder([img](TPacketList &l) { l.AddClockWrite(3, img); })
                                 << QList<QByteArray>{hex("C6 01 0C 0C 13 14 15 16 17 18 19 15")}
                                 << QList<int>{7} << QList<int>{0} << QList<int>{0};
    QTest::newRow("clock-read") << Builder([](TPacketList &l) { l.AddClockRead(9); })
                                << QList<QByteArray>{hex("C6 01 07 0B 01 01 3D")} << QList<int>{6}
                                << QList<int>{9} << QList<int>{0};
    QTest::newRow("firmware-to-device-new-address-on-gap")
        << Builder([](TPacketList &l) { l.AddFirmwareToDevice(firmware()); })
        << QList<QByteArray>{hex("C6 01 07 01 00 08 0F"), hex("C6 01 07 02 AA BB 32"),
                             hex("C6 01 06 02 CC 18"), hex("C6 01 07 01 00 10 50"),
                             hex("C6 01 07 02 DD EE 0E")}
        << QList<int>{3, 7, 7, 3, 7} << QList<int>{0, 0, 0, 0, 0} << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("firmware-to-configurator-chain")
        << Builder([](TPacketList &l) { l.AddFirmwareToConfigurator(23, 3, firmware()); })
        << QList<QByteArray>{hex("C6 07 11 01 00 10 17 03 02 00 40 00 08 02 00 12 34"),
                             hex("C6 07 09 02 00 40 AA BB C4"),
                             hex("C6 07 11 01 00 12 17 03 02 08 40 02 08 01 04 12 2A"),
                             hex("C6 07 08 02 08 40 CC B5"),
                             hex("C6 07 11 01 04 12 17 03 02 10 40 00 10 02 00 00 C0"),
                             hex("C6 07 09 02 10 40 DD EE C0")}
        << QList<int>{2, 7, 2, 7, 2, 7} << QList<int>{0, 0, 0, 0, 0, 0}
        << QList<int>{0, 0, 0, 0, 0, 0};
    // A 255-byte record: a device frame carries 250 data bytes, a configurator frame 248.
    const QList<THexData> longRecord = {block(0x0800, counting(0, 255))};
    QTest::newRow("firmware-to-device-record-longer-than-a-frame")
        << Builder([longRecord](TPacketList &l) { l.AddFirmwareToDevice(longRecord); })
        << QList<QByteArray>{hex("C6 01 07 01 00 08 0F"), hex("C6 01 FF 02") + counting(0, 250) + '\xDC',
                             hex("C6 01 0A 02") + counting(250, 5) + '\x91'}
        << QList<int>{3, 7, 7} << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
    QTest::newRow("firmware-to-configurator-record-longer-than-a-frame")
        << Builder([longRecord](TPacketList &l) { l.AddFirmwareToConfigurator(30, 2, longRecord); })
        << QList<QByteArray>{hex("C6 07 11 01 00 10 1E 02 02 00 40 00 08 F8 00 12 9F"),
                             hex("C6 07 FF 02 00 40") + counting(0, 248) + '\x62',
                             hex("C6 07 11 01 00 12 1E 02 02 08 40 F8 08 07 00 00 B6"),
                             hex("C6 07 0E 02 08 40") + counting(248, 7) + '\x97'}
        << QList<int>{2, 7, 2, 7} << QList<int>{0, 0, 0, 0} << QList<int>{0, 0, 0, 0};
}

void TstPackets::builders()
{
    QFETCH(Builder, build);
    QFETCH(QList<QByteArray>, frames);
    QFETCH(QList<int>, kinds);
    QFETCH(QList<int>, dests);
    QFETCH(QList<int>, counts);

    TPacketList list;
    build(list);
    QCOMPARE(list.size(), frames.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        QCOMPARE(list.at(i).Data.toHex(' ').toUpper(), frames.at(i).toHex(' ').toUpper());
        QCOMPARE(int(list.at(i).Kind), kinds.at(i));
        QCOMPARE(list.at(i).Dest, dests.at(i));
        QCOMPARE(list.at(i).Count, counts.at(i));
    }
}

void TstPackets::clearConfigurator()
{
    TPacketList list;
    list.AddClearConfigurator();
    QCOMPARE(list.size(), 324);
    QCOMPARE(list.at(0).Data, hex("C6 07 09 02 00 10 FF FF 10"));
    QCOMPARE(list.at(323).Data, hex("C6 07 09 02 C0 60 FF FF C6"));
}

void TstPackets::firmwareSetsAddressEveryTenthBlock()
{
    QList<THexData> blocks;
    for (int i = 0; i < 21; ++i)
        blocks.append(block(quint16(0x0800 + 2 * i), hex("01 02")));
    TPacketList list;
    list.AddFirmwareToDevice(blocks);
    QList<int> setAddressAt;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.at(i).Kind == kKindSetAddress)
            setAddressAt.append(int(i));
    }
    // Before blocks 0, 10 and 20 although every block continues the previous one.
    QCOMPARE(setAddressAt, (QList<int>{0, 11, 22}));
}

void TstPackets::replyCheck_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("good");
    QTest::newRow("good-identify-reply") << hex("C6 01 07 07 17 00 9E") << true;
    QTest::newRow("right-crc-wrong-command") << hex("C6 01 07 08 00 00 43") << false;
    QTest::newRow("wrong-crc") << hex("C6 01 07 07 17 00 9F") << false;
    QTest::newRow("too-short") << hex("C6 01 03") << false;
}

void TstPackets::replyCheck()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, good);
    QCOMPARE(frame::replyIsGood(reply, hex("C6 01 07 07 00 00 1C")), good);
}

QTEST_GUILESS_MAIN(TstPackets)
#include "tst_packets.moc"
