#include "panelencoding.h"

#include <QTest>

class TestPanelEncoding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hexPairValue_data();
    void hexPairValue();
    void hexWordValue_data();
    void hexWordValue();
    void bcdByte_data();
    void bcdByte();
    void decodeBcd_data();
    void decodeBcd();
    void telephoneCodeString_data();
    void telephoneCodeString();
    void telephoneBytes_data();
    void telephoneBytes();
    void telephoneDisplay_data();
    void telephoneDisplay();
};

void TestPanelEncoding::hexPairValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("empty gives 0") << "" << 0;
    QTest::newRow("one digit") << "7" << 0x07;
    QTest::newRow("lower case") << "af" << 0xAF;
    QTest::newRow("not hexadecimal gives 0") << "g1" << 0;
    QTest::newRow("three digits do not fit") << "123" << 0;
    QTest::newRow("space is unreadable") << " 1" << 0;
}

void TestPanelEncoding::hexPairValue()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(::hexPairValue(text), value);
}

void TestPanelEncoding::hexWordValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("defaultValue");
    QTest::addColumn<int>("value");
    QTest::newRow("empty level-2 code") << "" << 0x0003 << 0x0003;
    QTest::newRow("code digits become nibbles") << "1234" << 0x0003 << 0x1234;
    QTest::newRow("typed zeros are kept") << "0000" << 0x2735 << 0;
    QTest::newRow("object number letters") << "12ab" << 0 << 0x12AB;
    QTest::newRow("five digits take the default") << "12345" << 0x2735 << 0x2735;
    QTest::newRow("unreadable takes the default") << "12x4" << 0x0003 << 0x0003;
}

void TestPanelEncoding::hexWordValue()
{
    QFETCH(QString, text);
    QFETCH(int, defaultValue);
    QFETCH(int, value);
    QCOMPARE(::hexWordValue(text, quint16(defaultValue)), value);
}

void TestPanelEncoding::bcdByte_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("byte");
    QTest::newRow("zero") << 0 << 0x00;
    QTest::newRow("23 hours") << 23 << 0x23;
    QTest::newRow("59 minutes") << 59 << 0x59;
    QTest::newRow("above 99 is capped") << 150 << 0x99;
}

void TestPanelEncoding::bcdByte()
{
    QFETCH(int, count);
    QFETCH(int, byte);
    QCOMPARE(::bcdByte(count), byte);
}

void TestPanelEncoding::decodeBcd_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid 23") << 0x23 << 23 << true;
    QTest::newRow("units nibble above 9") << 0x2A << 29 << false;
    QTest::newRow("tens nibble above 9") << 0xA5 << 95 << false;
    QTest::newRow("both nibbles above 9") << 0xFF << 99 << false;
}

void TestPanelEncoding::decodeBcd()
{
    QFETCH(int, byte);
    QFETCH(int, value);
    QFETCH(bool, valid);
    const BcdValue decoded = ::decodeBcd(quint8(byte));
    QCOMPARE(decoded.value, value);
    QCOMPARE(decoded.valid, valid);
}

void TestPanelEncoding::telephoneCodeString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("tone");
    QTest::addColumn<QString>("codeString");
    QTest::newRow("empty, pulse") << "" << false << "D000000000000000";
    QTest::newRow("empty, tone") << "" << true << "ED00000000000000";
    QTest::newRow("pause and dial tone, pulse") << "044+123*5" << false << "044B123C5D000000";
    QTest::newRow("pause and dial tone, tone") << "044+123*5" << true << "E044B123C5D00000";
    QTest::newRow("15 digits end with D") << "123456789012345" << false << "123456789012345D";
    QTest::newRow("16 digits have no D") << "1234567890123456" << false << "1234567890123456";
    QTest::newRow("tone drops the 16th digit") << "1234567890123456" << true
                                               << "E123456789012345";
    QTest::newRow("pasted letters are dropped") << "0-44 a1" << false << "0441D00000000000";
}

void TestPanelEncoding::telephoneCodeString()
{
    QFETCH(QString, text);
    QFETCH(bool, tone);
    QFETCH(QString, codeString);
    QCOMPARE(::telephoneCodeString(text, tone), codeString);
}

void TestPanelEncoding::telephoneBytes_data()
{
    QTest::addColumn<QString>("codeString");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty pulse number")
        << "D000000000000000" << QByteArray::fromHex("0D00000000000000");
    QTest::newRow("empty tone number")
        << "ED00000000000000" << QByteArray::fromHex("DE00000000000000");
    QTest::newRow("first digit in the low nibble")
        << "044B123C5D000000" << QByteArray::fromHex("40B421C3D5000000");
    QTest::newRow("tone number")
        << "E044B123C5D00000" << QByteArray::fromHex("0E441B325C0D0000");
    QTest::newRow("never had a string") << "" << QByteArray(8, '\0');
    QTest::newRow("too short") << "044BD" << QByteArray(8, '\0');
    QTest::newRow("not hexadecimal") << "044+123*5D000000" << QByteArray(8, '\0');
}

void TestPanelEncoding::telephoneBytes()
{
    QFETCH(QString, codeString);
    QFETCH(QByteArray, bytes);
    QCOMPARE(::telephoneBytes(codeString), bytes);
}

void TestPanelEncoding::telephoneDisplay_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("codeString");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("tone");
    QTest::newRow("all zero") << QByteArray(8, '\0') << "0000000000000000" << "" << false;
    QTest::newRow("empty pulse number")
        << QByteArray::fromHex("0D00000000000000") << "D000000000000000" << "" << false;
    QTest::newRow("empty tone number")
        << QByteArray::fromHex("DE00000000000000") << "ED00000000000000" << "" << true;
    QTest::newRow("pause and dial tone")
        << QByteArray::fromHex("40B421C3D5000000") << "044B123C5D000000" << "044+123*5" << false;
    QTest::newRow("tone number")
        << QByteArray::fromHex("0E441B325C0D0000") << "E044B123C5D00000" << "044+123*5" << true;
    QTest::newRow("16 digits without D")
        << QByteArray::fromHex("2143658709214365") << "1234567890123456" << "1234567890123456"
        << false;
    QTest::newRow("zeros before D read as no number")
        << QByteArray::fromHex("00D0000000000000") << "000D000000000000" << "" << false;
}

void TestPanelEncoding::telephoneDisplay()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, codeString);
    QFETCH(QString, text);
    QFETCH(bool, tone);
    QCOMPARE(telephoneCodeStringAt(bytes, 0), codeString);
    const TelephoneDisplay display = ::telephoneDisplay(codeString);
    QCOMPARE(display.text, text);
    QCOMPARE(display.tone, tone);
}

QTEST_APPLESS_MAIN(TestPanelEncoding)
#include "tst_panelencoding.moc"
