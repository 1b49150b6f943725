#include "cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

class TestCp1251 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cp1251Byte_data();
    void cp1251Byte();
    void toCp1251_data();
    void toCp1251();
    void everyByteRoundTrips();
    void agreesWithTheSystemCodec();
};

void TestCp1251::cp1251Byte_data()
{
    QTest::addColumn<int>("character");
    QTest::addColumn<int>("byte"); // -1: not in the code page
    // From the published code page chart; the comparison with the system codec covers the rest.
    QTest::newRow("ASCII letter") << 0x0041 << 0x41;
    QTest::newRow("first Cyrillic letter А") << 0x0410 << 0xC0;
    QTest::newRow("last Cyrillic letter я") << 0x044F << 0xFF;
    QTest::newRow("Ukrainian ї") << 0x0457 << 0xBF;
    QTest::newRow("Ukrainian Ґ") << 0x0490 << 0xA5;
    QTest::newRow("numero sign") << 0x2116 << 0xB9;
    QTest::newRow("en dash") << 0x2013 << 0x96;
    QTest::newRow("o umlaut is missing") << 0x00F6 << -1;
    QTest::newRow("surrogate is missing") << 0xD83D << -1;
}

void TestCp1251::cp1251Byte()
{
    QFETCH(int, character);
    QFETCH(int, byte);
    const std::optional<char> converted = ::cp1251Byte(QChar(char16_t(character)));
    QCOMPARE(converted.has_value(), byte >= 0);
    if (converted)
        QCOMPARE(quint8(*converted), byte);
}

void TestCp1251::toCp1251_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("convertible");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << true << QByteArray();
    QTest::newRow("Ukrainian word") << QStringLiteral("Зона ї") << true
                                    << QByteArray("\xC7\xEE\xED\xE0 \xBF");
    QTest::newRow("one character outside") << QStringLiteral("Zö") << false << QByteArray();
}

void TestCp1251::toCp1251()
{
    QFETCH(QString, text);
    QFETCH(bool, convertible);
    QFETCH(QByteArray, bytes);
    const std::optional<QByteArray> converted = ::toCp1251(text);
    QCOMPARE(converted.has_value(), convertible);
    if (converted)
        QCOMPARE(*converted, bytes);
}

void TestCp1251::everyByteRoundTrips()
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    const QString text = fromCp1251(all);
    QCOMPARE(text.size(), all.size());
    QCOMPARE(::toCp1251(text).value_or(QByteArray()), all);
}

// The ICU converter behind QStringConverter is an independent reading of the same code page.
void TestCp1251::agreesWithTheSystemCodec()
{
    QStringDecoder decoder("windows-1251");
    if (!decoder.isValid())
        QSKIP("this Qt has no windows-1251 converter to compare with");
    for (int byte = 0; byte < 256; ++byte) {
        const QByteArray single(1, char(byte));
        QCOMPARE(fromCp1251(single), decoder.decode(single));
    }
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const QChar ch{char16_t(unit)};
        QStringEncoder encoder("windows-1251");
        const QByteArray expected = encoder.encode(QString(ch));
        const std::optional<char> byte = ::cp1251Byte(ch);
        if (encoder.hasError() || expected.size() != 1) {
            QVERIFY2(!byte, qPrintable(QString::number(unit, 16)));
            continue;
        }
        QVERIFY2(byte && *byte == expected.at(0), qPrintable(QString::number(unit, 16)));
    }
}

QTEST_APPLESS_MAIN(TestCp1251)
#include "tst_cp1251.moc"
