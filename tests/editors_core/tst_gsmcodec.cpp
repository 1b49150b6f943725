// The GSM modules' field encodings and images against hand-worked bytes, and the request
// contents the block table alone does not show (the GSM.4 hidden-code copy).
#include "gsmcodec.h"
#include "gsmfields.h"
#include "gsmplans.h"
#include "transferplan.h"

#include <QTest>

Q_DECLARE_METATYPE(Gsm4Variant)
Q_DECLARE_METATYPE(Gsm4Settings)

namespace {

QByteArray hex(const char *bytes)
{
    return QByteArray::fromHex(bytes);
}

Gsm4Settings csdSample()
{
    Gsm4Settings s = gsm4Defaults(Gsm4Variant::Gsm4);
    s.objectNumber = QStringLiteral("1234");
    s.telephones[0] = {QStringLiteral("12345"), endFilledDigits(QStringLiteral("12345"), kGsm4TelephoneDigits)};
    s.telephones[1] = {QString(), endFilledDigits(QString(), kGsm4TelephoneDigits)}; // cleared: not stored
    s.dialInterval = QStringLiteral("150");
    s.eventCodes[0] = QStringLiteral("7");
    s.eventCodes[12] = QStringLiteral("FFF");
    s.inputTypes = {InputType::Fire, InputType::Fault};
    s.risingLevel = {false, true};
    return s;
}

} // namespace

class TstGsmCodec : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void digitFields_data();
    void digitFields();
    void ipAddresses_data();
    void ipAddresses();
    void intervalLimit_data();
    void intervalLimit();
    void gsmMemoryImage();
    void gsm4Eeprom_data();
    void gsm4Eeprom();
    void gsm4ReadBack_data();
    void gsm4ReadBack();
    void s112HiddenCodeBlockCopiesTheIdentifier();
    void versionAdoption_data();
    void versionAdoption();
};

void TstGsmCodec::digitFields_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("hexLetters");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("asStored");
    QTest::newRow("zeros-show-nothing") << hex("00000000") << false << "" << false;
    QTest::newRow("leading-zeros-go") << QByteArray("0007") << false << "7" << false;
    QTest::newRow("all-zero-digits") << QByteArray("0000") << false << "0" << false;
    QTest::newRow("six-digits") << QByteArray("000123") << true << "123" << false;
    QTest::newRow("gsm4-hex-letters-kept") << QByteArray("0A1f") << true << "0A1f" << false;
    QTest::newRow("gsm-hex-letters-marked") << QByteArray("0A1F") << false << "0A1F" << true;
    QTest::newRow("erased-bytes-marked")
        << hex("ffffffff") << true << QString::fromLatin1("\xFF\xFF\xFF\xFF") << true;
}

void TstGsmCodec::digitFields()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, hexLetters);
    QFETCH(QString, text);
    QFETCH(bool, asStored);
    const StoredText read = digitFieldText(bytes, hexLetters);
    QCOMPARE(read.text, text);
    QCOMPARE(read.asStored, asStored);
    if (!text.isEmpty()) // what is shown writes back the bytes it came from
        QCOMPARE(digitFieldBytes(read.text, int(bytes.size())), bytes);
}

void TstGsmCodec::ipAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalised");
    QTest::addColumn<bool>("valid");
    QTest::newRow("short-groups-padded") << "192.168.1.1"
                                         << "192.168.001.001" << true;
    QTest::newRow("empty-mask") << "   .   .   .   "
                                << "000.000.000.000" << true;
    QTest::newRow("blanks-inside-removed") << "10 .1  .  2.3  "
                                           << "010.001.002.003" << true;
    QTest::newRow("highest") << "255.255.255.255"
                             << "255.255.255.255" << true;
    QTest::newRow("group-above-255") << "256.1.1.1"
                                     << "256.001.001.001" << false;
    QTest::newRow("missing-group") << "1.2.3"
                                   << "001.002.003.000" << true;
    QTest::newRow("fifth-group-stays-in-the-fourth") << "1.2.3.4.5"
                                                     << "001.002.003.4.5" << false;
    QTest::newRow("letters") << "1a.2.3.4"
                             << "01a.002.003.004" << false;
}

void TstGsmCodec::ipAddresses()
{
    QFETCH(QString, text);
    QFETCH(QString, normalised);
    QFETCH(bool, valid);
    QCOMPARE(normalisedIp(text), normalised);
    QCOMPARE(isValidIp(text), valid);
}

void TstGsmCodec::intervalLimit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("clamped"); // empty: the text stands
    QTest::newRow("above") << "241"
                           << "240";
    QTest::newRow("three-nines") << "999"
                                 << "240";
    QTest::newRow("limit-itself") << "240"
                                  << "";
    QTest::newRow("zero") << "0"
                          << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TstGsmCodec::intervalLimit()
{
    QFETCH(QString, text);
    QFETCH(QString, clamped);
    QCOMPARE(clampedInterval(text).value_or(QString()), clamped);
}

// Hand-worked from the memory image table of the GSM module.
void TstGsmCodec::gsmMemoryImage()
{
    GsmSettings s = gsmDefaults();
    s.text(GprsField::Identifier) = QStringLiteral("7");
    s.text(GprsField::AccessPoint) = QString(30, u'a');
    s.text(GprsField::Ip) = QStringLiteral("192.168.1  .1  ");
    s.text(GprsField::PortPcs) = QStringLiteral("5001");
    s.text(GprsField::AltInterval) = QStringLiteral("240");
    s.channel = GsmChannel::Gprs;
    const QByteArray image = encodeGprsMemory(s.gprs, IdentifierForm::Gsm);
    QCOMPARE(image.size(), 132);
    QCOMPARE(image.mid(0, 12), QByteArray("0007\0\0"
                                          "0000\0\0",
                                          12));
    QCOMPARE(image.mid(12, 32), QByteArray(30, 'a') + hex("ffff"));
    QCOMPARE(image.mid(44, 32), QByteArray(32, '\xFF'));
    QCOMPARE(image.mid(76, 17), QByteArray("192.168.001.001\xFF\xFF"));
    QCOMPARE(image.mid(93, 17), QByteArray("000.000.000.000\xFF\xFF"));
    QCOMPARE(image.mid(110, 16), QByteArray("000000005001"
                                            "0000"));
    QCOMPARE(image.mid(126, 6), hex("00ffff"
                                    "f0ffff"));
    QCOMPARE(encodeGsmEeprom(s), hex("0102"));

    GsmSettings back = gsmDefaults();
    QVERIFY(decodeGprsMemory(image, IdentifierForm::Gsm, back.gprs).isEmpty());
    decodeGsmEeprom(hex("0102"), back);
    QCOMPARE(back.text(GprsField::Identifier), QStringLiteral("7"));
    QCOMPARE(back.text(GprsField::AccessPoint), QString(30, u'a'));
    QCOMPARE(back.text(GprsField::AltAccessPoint), QString());
    QCOMPARE(back.text(GprsField::Ip), QStringLiteral("192.168.001.001"));
    QCOMPARE(back.text(GprsField::AltInterval), QStringLiteral("240"));
    QCOMPARE(back.channel, GsmChannel::Gprs);
    decodeGsmEeprom(hex("0107"), back); // an unknown channel byte leaves the list alone
    QCOMPARE(back.channel, GsmChannel::Gprs);
}

void TstGsmCodec::gsm4Eeprom_data()
{
    QTest::addColumn<Gsm4Settings>("settings");
    QTest::addColumn<Gsm4Variant>("variant");
    QTest::addColumn<QByteArray>("image");

    // Object 1234, protocol V32, CSD, loop 4 rising, loop 1 fire, 12345 then DD, telephone 2
    // never typed, dial 150 as 0x50, code 1 = 7, code 13 = FFF, marker 0x0F.
    QTest::newRow("csd-sample") << csdSample() << Gsm4Variant::Gsm4
                                << hex("1234"
                                       "00"
                                       "04"
                                       "02"
                                       "00"
                                       "01"
                                       "12345DDDDDDDDDDDDD"
                                       "000000000000000000"
                                       "00"
                                       "50"
                                       "0007")
                                       + QByteArray(22, '\0')
                                       + hex("0FFF"
                                             "0F");
    Gsm4Settings gprs = csdSample();
    gprs.common.channel = GsmChannel::Gprs;
    gprs.telephones[0] = {QString(), endFilledDigits(QString(), kGsm4TelephoneDigits)}; // cleared by the user
    QTest::newRow("gprs-forces-v110-and-cleared-telephone") << gprs << Gsm4Variant::S112
                                                            << hex("1234"
                                                                   "01"
                                                                   "02"
                                                                   "02"
                                                                   "00"
                                                                   "01"
                                                                   "DDDDDDDDDDDDDDDDDD"
                                                                   "000000000000000000"
                                                                   "00"
                                                                   "50"
                                                                   "0007")
                                                                   + QByteArray(22, '\0')
                                                                   + hex("0FFF"
                                                                         "F0");
}

void TstGsmCodec::gsm4Eeprom()
{
    QFETCH(Gsm4Settings, settings);
    QFETCH(Gsm4Variant, variant);
    QFETCH(QByteArray, image);
    QCOMPARE(encodeGsm4Eeprom(settings, variant).toHex(), image.toHex());
}

void TstGsmCodec::gsm4ReadBack_data()
{
    QTest::addColumn<QByteArray>("bytes"); // at offset 0 of the image
    QTest::addColumn<QString>("objectNumber");
    QTest::addColumn<QString>("telephone1");
    QTest::addColumn<QString>("dialInterval");
    QTest::addColumn<QString>("code1");
    QTest::addColumn<bool>("code1Marked");
    QTest::newRow("decimal-fields") << hex("1234"
                                           "0004"
                                           "0000"
                                           "00"
                                           "12345DDDDDDDDDDDDD"
                                           "000000000000000000"
                                           "00"
                                           "05"
                                           "0007")
                                    << "1234"
                                    << "12345"
                                    << "5"
                                    << "007" << false;
    QTest::newRow("empty-fields") << hex("0000"
                                         "0004"
                                         "0000"
                                         "00"
                                         "DDDDDDDDDDDDDDDDDD"
                                         "000000000000000000"
                                         "00"
                                         "00"
                                         "0000")
                                  << ""
                                  << ""
                                  << "0"
                                  << "" << false;
    QTest::newRow("hex-letters-as-stored") << hex("0A1B"
                                                  "0004"
                                                  "0000"
                                                  "00"
                                                  "0441234567890123AB"
                                                  "000000000000000000"
                                                  "00"
                                                  "5A"
                                                  "0A1B")
                                           << "A1B"
                                           << "0441234567890123AB"
                                           << "5A"
                                           << "A1B" << false;
    QTest::newRow("first-code-byte-above-a-digit") << hex("0000"
                                                          "0004"
                                                          "0000"
                                                          "00"
                                                          "000000000000000000"
                                                          "000000000000000000"
                                                          "00"
                                                          "00"
                                                          "1A23")
                                                   << ""
                                                   << ""
                                                   << "0"
                                                   << "1A23" << true;
}

// What reads back writes the same bytes again, hexadecimal letters included.
void TstGsmCodec::gsm4ReadBack()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, objectNumber);
    QFETCH(QString, telephone1);
    QFETCH(QString, dialInterval);
    QFETCH(QString, code1);
    QFETCH(bool, code1Marked);
    const QByteArray image = (bytes + QByteArray(54, '\0')).left(53) + hex("0F");
    Gsm4Settings s = gsm4Defaults(Gsm4Variant::Gsm4);
    const ShownAsStored marked = decodeGsm4Eeprom(image, s);
    QCOMPARE(s.objectNumber, objectNumber);
    QCOMPARE(s.telephones[0].text, telephone1);
    QCOMPARE(s.dialInterval, dialInterval);
    QCOMPARE(s.eventCodes[0], code1);
    QCOMPARE(marked.contains(QStringLiteral("edS1")), code1Marked);
    QCOMPARE(encodeGsm4Eeprom(s, gsm4VariantOfMarker(image.at(53))).toHex(), image.toHex());
}

void TstGsmCodec::s112HiddenCodeBlockCopiesTheIdentifier()
{
    Gsm4Settings s = gsm4Defaults(Gsm4Variant::S112);
    s.common.text(GprsField::Identifier) = QStringLiteral("12345");
    s.common.text(GprsField::HiddenCode) = QStringLiteral("9999");
    const QByteArray memory = encodeGsm4Memory(s, Gsm4Variant::S112);
    QCOMPARE(memory.mid(0, 6), QByteArray("012345"));
    const TPacketList list =
        planRequests(gsm4DeviceWrite(Gsm4Variant::S112), encodeGsm4Eeprom(s, Gsm4Variant::S112), memory).list;
    // A set-address and four writes (16, 16, 16, 5 bytes) for the EEPROM image, two requests
    // for byte 53, then per block a set-address and a write: the hidden-code block is the second.
    const TPacket &hiddenCode = list.at(7 + 2 + 1);
    QCOMPARE(list.at(7 + 2).Data.mid(4, 2), hex("006b"));
    QCOMPARE(hiddenCode.Data.mid(4, 6), QByteArray("012345"));

    Gsm4Settings back = gsm4Defaults(Gsm4Variant::S112);
    decodeGsm4Memory(memory, Gsm4Variant::S112, back);
    QCOMPARE(back.common.text(GprsField::Identifier), QStringLiteral("12345"));
    QCOMPARE(back.common.text(GprsField::HiddenCode), QString()); // never read for this variant
}

void TstGsmCodec::versionAdoption_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("reported");
    QTest::addColumn<int>("adopted");
    QTest::newRow("version-1-takes-2") << 1 << 2 << 2;
    QTest::newRow("version-1-keeps-1") << 1 << 1 << 1;
    QTest::newRow("version-1-does-not-take-4") << 1 << 4 << 1;
    QTest::newRow("version-4-keeps-4") << 4 << 2 << 4;
    QTest::newRow("version-2-keeps-2") << 2 << 1 << 2;
}

void TstGsmCodec::versionAdoption()
{
    QFETCH(int, stored);
    QFETCH(int, reported);
    QFETCH(int, adopted);
    QCOMPARE(int(adoptedVersion(quint8(stored), quint8(reported))), adopted);
}

QTEST_GUILESS_MAIN(TstGsmCodec)
#include "tst_gsmcodec.moc"
