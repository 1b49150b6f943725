// HEX lines to firmware blocks, the target named in the file, the targets a speed allows.
#include "hexfile.h"

#include <QTest>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}
} // namespace

using Blocks = QList<QPair<int, QByteArray>>; // address, bytes
Q_DECLARE_METATYPE(Blocks)

class TstHexFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lines_data();
    void lines();
    void targetLine();
    void deviceNames_data();
    void deviceNames();
    void targets();
};

void TstHexFile::lines_data()
{
    QTest::addColumn<QStringList>("text");
    QTest::addColumn<Blocks>("lineBlocks");
    QTest::addColumn<Blocks>("mergedBlocks");

    QTest::newRow("below-0800-end-and-extension-records-skipped")
        << QStringList{":1007F000000102030405060708090A0B0C0D0E0F79", ":00000001FF", ":020000040000FA"}
        << Blocks{} << Blocks{};
    QTest::newRow("erased-line-skipped")
        << QStringList{":10100000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00"} << Blocks{} << Blocks{};
    QTest::newRow("two-16-byte-lines-stay-two-blocks")
        << QStringList{":10100000000102030405060708090A0B0C0D0E0F00", ":10101000101112131415161718191A1B1C1D1E1F00"}
        << Blocks{{0x1000, hex("000102030405060708090A0B0C0D0E0F")}, {0x1010, hex("101112131415161718191A1B1C1D1E1F")}}
        << Blocks{{0x1000, hex("000102030405060708090A0B0C0D0E0F")}, {0x1010, hex("101112131415161718191A1B1C1D1E1F")}};
    QTest::newRow("two-8-byte-lines-merge")
        << QStringList{":081000000001020304050607FF", ":0810080008090A0B0C0D0E0FFF"}
        << Blocks{{0x1000, hex("0001020304050607")}, {0x1008, hex("08090A0B0C0D0E0F")}}
        << Blocks{{0x1000, hex("000102030405060708090A0B0C0D0E0F")}};
    QTest::newRow("gap-starts-a-new-merged-block")
        << QStringList{":04100000AABBCCDD00", ":04100800EEFF001100"}
        << Blocks{{0x1000, hex("AABBCCDD")}, {0x1008, hex("EEFF0011")}}
        << Blocks{{0x1000, hex("AABBCCDD")}, {0x1008, hex("EEFF0011")}};
    QTest::newRow("unreadable-data-byte-reads-2")
        << QStringList{":03200000A1ZZB300"} << Blocks{{0x2000, hex("A102B3")}} << Blocks{{0x2000, hex("A102B3")}};
    QTest::newRow("short-line-keeps-what-it-has")
        << QStringList{":10300000ABCD"} << Blocks{{0x3000, hex("ABCD")}} << Blocks{{0x3000, hex("ABCD")}};
    QTest::newRow("unreadable-count-gives-nothing") << QStringList{":ZZ400000ABCD"} << Blocks{} << Blocks{};
}

static Blocks blocksOf(const QList<THexData> &list)
{
    Blocks blocks;
    for (const THexData &b : list) {
        if (b.count != b.data.size() || b.endAddress != b.address + b.count)
            qWarning("inconsistent block at %x", b.address);
        blocks.append({b.address, b.data});
    }
    return blocks;
}

void TstHexFile::lines()
{
    QFETCH(QStringList, text);
    const HexFirmware firmware = parseHex(text);
    QTEST(blocksOf(firmware.lines), "lineBlocks");
    QTEST(blocksOf(firmware.merged), "mergedBlocks");
}

void TstHexFile::targetLine()
{
    const HexFirmware firmware = parseHex({":10080000000102031703060708090A0B0C0D0E0F00"});
    QVERIFY(firmware.hasTarget);
    QCOMPARE(int(firmware.deviceType), 23);
    QCOMPARE(int(firmware.variant), 3);
    QCOMPARE(firmware.lines.size(), 1);
    QCOMPARE(firmware.lines.first().address, quint16(0x0800));
    QVERIFY(!parseHex({":04100000AABBCCDD00"}).hasTarget);
}

void TstHexFile::deviceNames_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("name");
    QTest::newRow("4-zone") << 23 << 3 << "КОРВЕЛ-4П (KVL4P-3)";
    QTest::newRow("16.64") << 31 << 2 << "КОРВЕЛ-16.64П (KVL64P-2)";
    QTest::newRow("gsm4") << 49 << 12 << "ЗМУ-GSM.4 (ZMUGSM-12)";
    QTest::newRow("unnamed") << 55 << 1 << "";
}

void TstHexFile::deviceNames()
{
    QFETCH(int, type);
    QFETCH(int, variant);
    QTEST(firmwareDeviceName(quint8(type), quint8(variant)), "name");
}

void TstHexFile::targets()
{
    QCOMPARE(programmerTargets(9600), QStringList{"--------------   в прилад   --------------"});
    QCOMPARE(programmerTargets(38400), (QStringList{"--------------   в прилад   --------------",
                                                    "----------   в программатор  ----------"}));
    QVERIFY(programmerTargets(115200).isEmpty());
}

QTEST_GUILESS_MAIN(TstHexFile)
#include "tst_hexfile.moc"
