// Numbered messages, the log file and the key filters.
#include "log.h"
#include "proc.h"
#include "scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstProc : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void errorTexts_data();
    void errorTexts();
    void keyFilters_data();
    void keyFilters();
    void pastedTextIsFiltered();
    void logCreatesFolderAndHeader();
    void logFailureShownOncePerOutage();
    void hexRendering();

private:
    ScriptedDialogs m_dialogs;
};

void TstProc::errorTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("3-no-reply") << 3
                                << QStringLiteral(
                                       "Нема відповіді на запит.\rПеревірте підключення та "
                                       "живлення приладу, налаштування порту.\rСпробуйте вимкнути "
                                       "прилад і вімкнути знову.");
    QTest::newRow("6-transmit") << 6
                                << QStringLiteral("Виникла помилка при передачі даних.\rЗапис "
                                                  "даних в прилад зупинено");
    QTest::newRow("12-nothing-to-write") << 12 << QStringLiteral("Немає підготовлених даних для запису");
    QTest::newRow("13-version") << 13 << QStringLiteral("Версія не підтримується");
    QTest::newRow("15-last") << 15 << QStringLiteral("Неправильний час");
    QTest::newRow("0-outside") << 0 << QString();
    QTest::newRow("16-outside") << 16 << QString();
}

void TstProc::errorTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    m_dialogs.messages.clear();
    ShowError(code);
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages.first().kind, Dialogs::Kind::Error);
    QCOMPARE(m_dialogs.messages.first().text, text);
}

void TstProc::keyFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("allowed");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("message");
    const QString editing = QString(QChar(8)) + QChar(3) + QChar(22) + QChar(24);
    QTest::newRow("digits") << "digit" << "0123456789" + editing << "aA+ -x"
                            << QStringLiteral("Потрібно вводити тільки цифри.");
    QTest::newRow("hex") << "hex" << "0123456789ABCDEFabcdef" + editing << "gG+ z"
                         << QStringLiteral("Потрібно вводити в шістнадцятирічному  вигляді.\r"
                                           "Символи '0..9, A..F'");
    QTest::newRow("telephone") << "telephone" << "0123456789+*" + editing << "#aB -"
                               << QStringLiteral("Потрібно вводити цифри або\r \"+\" для "
                                                 "встановлення паузи\rчи \"*\" для встановлення "
                                                 "пошуку сигналу.");
    QTest::newRow("address") << "address" << "0234567" + editing << "189a"
                             << QStringLiteral("Потрібно вводити в cимволи від '2' до '7'");
}

static const KeyFilter &filterNamed(const QString &name)
{
    if (name == "digit")
        return digitKeyFilter();
    if (name == "hex")
        return hexKeyFilter();
    if (name == "telephone")
        return telephoneKeyFilter();
    return addressKeyFilter();
}

void TstProc::keyFilters()
{
    QFETCH(QString, filter);
    QFETCH(QString, allowed);
    QFETCH(QString, refused);
    QFETCH(QString, message);
    const KeyFilter &f = filterNamed(filter);
    m_dialogs.messages.clear();
    for (QChar c : allowed)
        QVERIFY2(filterKey(f, c), qPrintable(QString(c)));
    QVERIFY(m_dialogs.messages.isEmpty());
    for (QChar c : refused) {
        QVERIFY2(!filterKey(f, c), qPrintable(QString(c)));
        QCOMPARE(m_dialogs.lastText(), message);
        QCOMPARE(m_dialogs.messages.last().kind, Dialogs::Kind::Information);
    }
}

void TstProc::pastedTextIsFiltered()
{
    QCOMPARE(filterText(hexKeyFilter(), QStringLiteral("1g2 ФF")), QStringLiteral("12F"));
    QCOMPARE(filterText(telephoneKeyFilter(), QStringLiteral("+38 (044) 123-45*")),
             QStringLiteral("+3804412345*"));
}

void TstProc::logCreatesFolderAndHeader()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    WriteLog(QStringLiteral("Послан пакет: \t") + hexFrame("\xC6\x01\x07"), "comport", "ReadFromCom");
    WriteLog(QStringLiteral("Получен пакет: \t") + hexFrame("\xC6\x01\x07"), "comport", "ReadFromCom");
    QDir::setCurrent(previous);

    QFile file(dir.filePath("Logs/VexLoader.log"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 4); // header, two records, nothing after the last CR LF
    QCOMPARE(lines.at(0), QByteArray("Date_Time;Error^100;Module^30;Procedure/Function^30\r"));
    QVERIFY(lines.at(1).endsWith(QStringLiteral(";Послан пакет: \tC6 01 07 ;comport;ReadFromCom;\r").toUtf8()));
    QVERIFY(lines.at(2).endsWith(QStringLiteral(";Получен пакет: \tC6 01 07 ;comport;ReadFromCom;\r").toUtf8()));
    QVERIFY(lines.at(3).isEmpty());
    // The time stamp is the part before the message: the same shape in both records.
    QCOMPARE(lines.at(1).indexOf(';'), lines.at(2).indexOf(';'));
}

void TstProc::logFailureShownOncePerOutage()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile blocker(dir.filePath("Logs"));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    m_dialogs.messages.clear();
    for (int i = 0; i < 50; ++i)
        WriteLog("x", "m", "p");
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.lastText(), QStringLiteral("Ошибка \"Запись в лог\" (u_Common.WriteLog)"));

    QVERIFY(QFile::remove(dir.filePath("Logs")));
    WriteLog("recovered", "m", "p");
    QVERIFY(QFile::remove(dir.filePath("Logs/VexLoader.log")));
    QVERIFY(QDir(dir.path()).rmdir("Logs"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    WriteLog("x", "m", "p");
    QDir::setCurrent(previous);
    QCOMPARE(m_dialogs.messages.size(), 2); // a new outage after a success is shown again
}

void TstProc::hexRendering()
{
    QCOMPARE(hexFrame(QByteArray::fromHex("C6010707 00001C")), QStringLiteral("C6 01 07 07 00 00 1C "));
    QCOMPARE(hexFrame(QByteArray()), QString());
}

QTEST_GUILESS_MAIN(TstProc)
#include "tst_proc.moc"
