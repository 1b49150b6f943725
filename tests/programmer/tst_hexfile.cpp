// HEX records checked and turned into firmware blocks, the target named in the file, the
// targets a speed allows, and what the programmer shows of a file and of a write. Record
// checksums were worked out with a separate script; the files under data/ were made from
// data/firmware16p.bin (3000 bytes, none 0xFF, bytes 4 and 5 naming a 16-zone panel
// variant 2) by other tools:
//   srec_cat firmware16p.bin -binary -offset 0x0800 -o firmware16p-srecN.hex -intel -Output_Block_Size=N
//       (N = 8, 16, 32, 255)
//   objcopy -I binary -O ihex --change-addresses 0x0800 --set-start 0x0800 firmware16p.bin firmware16p-objcopy16.hex
// and the binary's CRC-32, 0xE63B4010, by Python's zlib.crc32.
#include "exchangeprogress.h"
#include "hexfile.h"
#include "programmerview.h"

#include <QFile>
#include <QTest>

namespace {

using Reason = HexError::Reason;

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// The lines as a file: one line each, closed by the end-of-file record unless they end with one.
QByteArray hexText(const QStringList &lines)
{
    const QString endRecord = QStringLiteral(":00000001FF");
    QStringList all = lines;
    if (all.isEmpty() || all.last() != endRecord)
        all.append(endRecord);
    return all.join(u'\n').toLatin1() + '\n';
}

QByteArray fixture(const QString &name)
{
    QFile file(QFINDTESTDATA("data/" + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray joined(const QList<THexData> &blocks)
{
    QByteArray bytes;
    for (const THexData &b : blocks)
        bytes += b.data;
    return bytes;
}

} // namespace

using Blocks = QList<QPair<int, QByteArray>>; // address, bytes
Q_DECLARE_METATYPE(Blocks)
Q_DECLARE_METATYPE(HexError::Reason)

class TstHexFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lines_data();
    void lines();
    void refusals_data();
    void refusals();
    void targetLine();
    void filesMadeByOtherTools_data();
    void filesMadeByOtherTools();
    void deviceNames_data();
    void deviceNames();
    void targets();
    void questions_data();
    void questions();
    void progressText_data();
    void progressText();
};

void TstHexFile::lines_data()
{
    QTest::addColumn<QStringList>("text");
    QTest::addColumn<Blocks>("lineBlocks");
    QTest::addColumn<Blocks>("mergedBlocks");

    QTest::newRow("below-0800-end-and-extension-records-skipped")
        << QStringList{":020000040000FA", ":1007F000000102030405060708090A0B0C0D0E0F81", ":00000001FF"}
        << Blocks{} << Blocks{};
    QTest::newRow("erased-line-skipped")
        << QStringList{":10100000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF0"} << Blocks{} << Blocks{};
    QTest::newRow("two-16-byte-lines-stay-two-blocks")
        << QStringList{":10100000000102030405060708090A0B0C0D0E0F68", ":10101000101112131415161718191A1B1C1D1E1F58"}
        << Blocks{{0x1000, hex("000102030405060708090A0B0C0D0E0F")}, {0x1010, hex("101112131415161718191A1B1C1D1E1F")}}
        << Blocks{{0x1000, hex("000102030405060708090A0B0C0D0E0F")}, {0x1010, hex("101112131415161718191A1B1C1D1E1F")}};
    QTest::newRow("two-8-byte-lines-merge")
        << QStringList{":081000000001020304050607CC", ":0810080008090A0B0C0D0E0F84"}
        << Blocks{{0x1000, hex("0001020304050607")}, {0x1008, hex("08090A0B0C0D0E0F")}}
        << Blocks{{0x1000, hex("000102030405060708090A0B0C0D0E0F")}};
    QTest::newRow("gap-starts-a-new-merged-block")
        << QStringList{":04100000AABBCCDDDE", ":04100800EEFF0011E6"}
        << Blocks{{0x1000, hex("AABBCCDD")}, {0x1008, hex("EEFF0011")}}
        << Blocks{{0x1000, hex("AABBCCDD")}, {0x1008, hex("EEFF0011")}};
    QTest::newRow("32-byte-record-is-24-and-8-for-the-configurator")
        << QStringList{":20100000000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1FE0"}
        << Blocks{{0x1000, hex("000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F")}}
        << Blocks{{0x1000, hex("000102030405060708090A0B0C0D0E0F1011121314151617")},
                  {0x1018, hex("18191A1B1C1D1E1F")}};
    QTest::newRow("zero-upper-address-parts-and-start-addresses-accepted")
        << QStringList{":020000040000FA", ":020000020000FC", ":04100000AABBCCDDDE",
                       ":0400000300001000E9", ":0400000500000800EF"}
        << Blocks{{0x1000, hex("AABBCCDD")}} << Blocks{{0x1000, hex("AABBCCDD")}};
    QTest::newRow("crlf-line-ends-and-blank-lines")
        << QStringList{":04100000AABBCCDDDE\r", "", " \t", ":00000001FF"}
        << Blocks{{0x1000, hex("AABBCCDD")}} << Blocks{{0x1000, hex("AABBCCDD")}};
    QTest::newRow("lower-case-digits")
        << QStringList{":04100000aabbccddde"} << Blocks{{0x1000, hex("AABBCCDD")}} << Blocks{{0x1000, hex("AABBCCDD")}};
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
    const HexParseResult parsed = parseHex(hexText(text));
    QVERIFY(parsed.ok());
    QTEST(blocksOf(parsed.firmware.lines), "lineBlocks");
    QTEST(blocksOf(parsed.firmware.merged), "mergedBlocks");
}

// Line 1 of each file is good, so the line number is the damaged record's own.
void TstHexFile::refusals_data()
{
    QTest::addColumn<QStringList>("text");
    QTest::addColumn<Reason>("reason");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");

    const QString good = QStringLiteral(":04100000AABBCCDDDE");
    QTest::newRow("unreadable-data-byte-refused") << QStringList{good, ":03200000A1ZZB300"}
                                                  << Reason::NotHexDigit << 2 << 12;
    QTest::newRow("short-line-refused") << QStringList{good, ":10300000ABCD"} << Reason::LengthMismatch << 2 << 0;
    QTest::newRow("unreadable-count-refused") << QStringList{good, ":ZZ400000ABCD"} << Reason::NotHexDigit << 2 << 2;
    QTest::newRow("blank-in-count") << QStringList{good, ": 4100000AABBCCDDDE"} << Reason::NotHexDigit << 2 << 2;
    QTest::newRow("sign-in-address") << QStringList{good, ":04+10000AABBCCDDDE"} << Reason::NotHexDigit << 2 << 4;
    QTest::newRow("blank-in-type") << QStringList{good, ":041000 0AABBCCDDDE"} << Reason::NotHexDigit << 2 << 8;
    QTest::newRow("count-smaller-than-the-data") << QStringList{good, ":02100000AABBCCDDDE"}
                                                 << Reason::LengthMismatch << 2 << 0;
    QTest::newRow("leading-blank") << QStringList{good, " :04100000AABBCCDDDE"} << Reason::NoStartColon << 2 << 0;
    QTest::newRow("end-record-with-data") << QStringList{good, ":01000001AA54"} << Reason::BadRecordLength << 2 << 0;
    QTest::newRow("linear-address-of-three-bytes") << QStringList{good, ":03000004000000F9"}
                                                   << Reason::BadRecordLength << 2 << 0;
    QTest::newRow("upper-segment-address") << QStringList{good, ":020000021000EC"} << Reason::UpperAddress << 2 << 0;
    QTest::newRow("data-past-ffff") << QStringList{good, ":04FFFE00AABBCCDDF1"} << Reason::PastAddressSpace << 2 << 0;
    QTest::newRow("record-after-the-end") << QStringList{good, ":00000001FF", good}
                                          << Reason::DataAfterEnd << 3 << 0;
}

void TstHexFile::refusals()
{
    QFETCH(QStringList, text);
    QFETCH(Reason, reason);
    QFETCH(int, line);
    QFETCH(int, column);
    const HexParseResult parsed = parseHex(hexText(text));
    QCOMPARE(parsed.error.reason, reason);
    QCOMPARE(parsed.error.line, line);
    if (column > 0)
        QCOMPARE(parsed.error.column, column);
    QVERIFY(parsed.firmware.lines.isEmpty());
    QVERIFY(parsed.firmware.merged.isEmpty());
}

void TstHexFile::targetLine()
{
    const HexParseResult parsed = parseHex(hexText({":10080000000102031703060708090A0B0C0D0E0F5F"}));
    const HexFirmware &firmware = parsed.firmware;
    QVERIFY(firmware.hasTarget);
    QCOMPARE(int(firmware.deviceType), 23);
    QCOMPARE(int(firmware.variant), 3);
    QCOMPARE(firmware.lines.size(), 1);
    QCOMPARE(firmware.lines.first().address, quint16(0x0800));
    QVERIFY(!parseHex(hexText({":04100000AABBCCDDDE"})).firmware.hasTarget);
}

void TstHexFile::filesMadeByOtherTools_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("fileSize"); // as ls shows it
    QTest::newRow("srec_cat-8-byte-records") << "firmware16p-srec8.hex" << 10528;
    QTest::newRow("srec_cat-16-byte-records") << "firmware16p-srec16.hex" << 8284;
    QTest::newRow("srec_cat-32-byte-records") << "firmware16p-srec32.hex" << 7156;
    QTest::newRow("srec_cat-255-byte-records") << "firmware16p-srec255.hex" << 6184;
    QTest::newRow("objcopy-16-byte-records-crlf") << "firmware16p-objcopy16.hex" << 8478;
}

// Every byte of the binary is in both lists, in order, and the summary tells the file.
void TstHexFile::filesMadeByOtherTools()
{
    QFETCH(QString, file);
    QFETCH(int, fileSize);
    const QByteArray binary = fixture("firmware16p.bin");
    QCOMPARE(binary.size(), 3000);
    const HexFile hexFile = readHexFile(QFINDTESTDATA("data/" + file));
    QVERIFY(hexFile.parsed.ok());
    const HexFirmware &firmware = hexFile.parsed.firmware;
    QCOMPARE(joined(firmware.lines), binary);
    QCOMPARE(joined(firmware.merged), binary);
    for (const THexData &block : firmware.merged)
        QVERIFY(block.count <= 24);
    const FirmwareSummary summary = summarize("/somewhere/" + file, hexFile);
    QCOMPARE(summary.fileName, file);
    QCOMPARE(summary.size, QStringLiteral("%1 байтів").arg(fileSize));
    QCOMPARE(summary.addresses, QStringLiteral("0x0800 – 0x13B7"));
    QCOMPARE(summary.bytes, QStringLiteral("3000 байтів"));
    QCOMPARE(summary.device, QStringLiteral("КОРВЕЛ-16П (KVL16P-2)"));
    QCOMPARE(summary.crc, QStringLiteral("E63B4010"));
    QVERIFY(summary.loadable);
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

void TstHexFile::questions_data()
{
    QTest::addColumn<QString>("file"); // the first record
    QTest::addColumn<int>("connectedType"); // -1: the configurator is written
    QTest::addColumn<QString>("question");
    const QString eightZone = QStringLiteral(":10080000000102031603060708090A0B0C0D0E0F60"); // type 22, variant 3
    const QString noTarget = QStringLiteral(":04100000AABBCCDDDE");
    QTest::newRow("same-model-other-variant") << eightZone << 22 << "";
    QTest::newRow("other-model")
        << eightZone << 30
        << "Прошивка призначена для «КОРВЕЛ-8П (KVL8P-3)», а підключено «КОРВЕЛ-16П (KVL16P-2)».\n"
           "Записати її попри це?";
    QTest::newRow("unnamed-device")
        << eightZone << 55
        << "Прошивка призначена для «КОРВЕЛ-8П (KVL8P-3)», а підключено «прилад з кодом типу 55, "
           "варіант 2».\nЗаписати її попри це?";
    QTest::newRow("file-names-no-model")
        << noTarget << 30
        << "Файл не називає модель приладу, для якої ця прошивка; підключено «КОРВЕЛ-16П (KVL16P-2)».\n"
           "Записати її попри це?";
    QTest::newRow("configurator-named") << eightZone << -1 << "";
    QTest::newRow("configurator-file-names-no-model")
        << noTarget << -1
        << "Файл не називає модель приладу, для якої ця прошивка.\nЗаписати її в программатор попри це?";
}

void TstHexFile::questions()
{
    QFETCH(QString, file);
    QFETCH(int, connectedType);
    const HexFirmware firmware = parseHex(hexText({file})).firmware;
    const std::optional<DeviceIdentity> connected =
        connectedType < 0 ? std::nullopt : std::optional(DeviceIdentity{quint8(connectedType), 2});
    QTEST(confirmationQuestion(firmware, connected), "question");
}

void TstHexFile::progressText_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("elapsedMs");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing-yet") << 0 << 32768 << 0 << "0 %, 0 з 32 768 байт";
    QTest::newRow("a-quarter-in-15-s") << 8192 << 32768 << 15000
                                       << "25 %, 8 192 з 32 768 байт, залишилось 0:45";
    QTest::newRow("a-third-in-61-s") << 1000 << 3000 << 61000
                                     << "33 %, 1 000 з 3 000 байт, залишилось 2:02";
    QTest::newRow("part-second-rounds-up") << 2999 << 3000 << 1000
                                           << "99 %, 2 999 з 3 000 байт, залишилось 0:01";
}

void TstHexFile::progressText()
{
    QFETCH(int, written);
    QFETCH(int, total);
    QFETCH(int, elapsedMs);
    QTEST(progressDetails(written, total, elapsedMs), "text");
}

QTEST_GUILESS_MAIN(TstHexFile)
#include "tst_hexfile.moc"
