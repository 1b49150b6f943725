// Qt's own texts in Ukrainian: the catalogue is taken from the folder when it is there,
// and the program starts with English Qt texts when it is missing or unreadable.
#include "qttranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QtEndian>

namespace {

// A translation catalogue holding one message, in Qt's .qm layout: the magic number, then
// tagged blocks (tag byte, 32-bit big-endian length, bytes): the hash table (0x42: pairs of
// the ELF hash of the source text and the message's offset) and the messages (0x69: each a
// run of tagged fields ending in 0x01; 0x03 translation in UTF-16 BE, 0x06 source text,
// 0x07 context).
QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray block(char tag, const QByteArray &bytes)
{
    return tag + be32(quint32(bytes.size())) + bytes;
}

quint32 elfHash(const QByteArray &text)
{
    quint32 h = 0;
    for (const char c : text) {
        h = (h << 4) + quint8(c);
        const quint32 g = h & 0xF0000000u;
        if (g)
            h ^= g >> 24;
        h &= ~g;
    }
    return h ? h : 1;
}

QByteArray catalogue(const QByteArray &context, const QByteArray &source, const QString &translation)
{
    QByteArray utf16be;
    for (const QChar c : translation)
        utf16be += be32(c.unicode()).right(2);
    const QByteArray message = block('\x03', utf16be) + block('\x06', source)
                               + block('\x07', context) + '\x01';
    const QByteArray magic = QByteArray::fromHex("3CB86418CAEF9C95CD211CBF60A1BDDD");
    return magic + block('\x42', be32(elfHash(source)) + be32(0)) + block('\x69', message);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TstQtTranslation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void install_data();
    void install();
    void cleanup();
};

void TstQtTranslation::install_data()
{
    QTest::addColumn<QString>("fileName"); // what lies in the translations folder
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("cancel"); // the message-box button as Qt then names it

    const QByteArray ukrainian = catalogue("QPlatformTheme", "Cancel", QStringLiteral("Скасувати"));
    QTest::newRow("Ukrainian catalogue present")
        << "qtbase_uk.qm" << ukrainian << QStringList{"qtbase_uk"} << "Скасувати";
    QTest::newRow("folder without catalogues") << "" << QByteArray() << QStringList() << "Cancel";
    QTest::newRow("catalogue that is not one")
        << "qtbase_uk.qm" << QByteArray("not a catalogue") << QStringList() << "Cancel";
    QTest::newRow("only the catalogue without a language")
        << "qtbase.qm" << ukrainian << QStringList() << "Cancel";
}

void TstQtTranslation::install()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, installed);
    QFETCH(QString, cancel);

    QTemporaryDir folder;
    if (!fileName.isEmpty())
        writeFile(QDir(folder.path()).filePath(fileName), contents);

    QCOMPARE(installQtTranslations(*QCoreApplication::instance(), folder.path()), installed);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
}

void TstQtTranslation::cleanup()
{
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
}

QTEST_GUILESS_MAIN(TstQtTranslation)
#include "tst_qttranslation.moc"
