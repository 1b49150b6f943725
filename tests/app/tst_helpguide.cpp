// The help command: "help.chm" in the current folder when something opens it, otherwise the
// user guide beside the program, and a box saying where the guide is when nothing opens it.
#include "helpguide.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void touch(const QString &path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TstHelpGuide : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void open_data();
    void open();
    void guideShipsBesideProgram();
};

void TstHelpGuide::open_data()
{
    QTest::addColumn<bool>("chmThere");
    QTest::addColumn<bool>("guideThere");
    QTest::addColumn<QStringList>("viewers"); // the suffixes something on the desktop opens
    QTest::addColumn<QStringList>("tried");   // the files asked for, in order
    QTest::addColumn<QString>("message");     // the start of the box shown; empty: none

    QTest::newRow("help.chm opens") << true << true << QStringList{"chm", "html"}
                                     << QStringList{"help.chm"} << "";
    QTest::newRow("no help.chm: the guide") << false << true << QStringList{"html"}
                                             << QStringList{"program/help/vexloader-help.html"} << "";
    QTest::newRow("help.chm nothing opens: the guide")
        << true << true << QStringList{"html"}
        << QStringList{"help.chm", "program/help/vexloader-help.html"} << "";
    QTest::newRow("no browser: where the guide is")
        << false << true << QStringList{}
        << QStringList{"program/help/vexloader-help.html"}
        << "Не вдалося відкрити посібник користувача: немає програми для перегляду сторінок HTML.\r"
           "Посібник лежить тут: ";
    QTest::newRow("guide missing") << false << false << QStringList{"html"} << QStringList{}
                                   << "Посібник користувача не знайдено: ";
}

void TstHelpGuide::open()
{
    QFETCH(bool, chmThere);
    QFETCH(bool, guideThere);
    QFETCH(QStringList, viewers);
    QFETCH(QStringList, tried);
    QFETCH(QString, message);

    QTemporaryDir root;
    const QDir dir(root.path());
    QVERIFY(dir.mkpath("current"));
    QVERIFY(dir.mkpath("program"));
    if (chmThere)
        touch(dir.filePath("current/help.chm"));
    if (guideThere)
        touch(dir.filePath("program/help/vexloader-help.html"));

    QStringList asked;
    const QString shown = helpguide::openHelp(dir.filePath("current"), dir.filePath("program"),
                                              [&](const QUrl &url) {
        const QString path = url.toLocalFile();
        asked.append(path.startsWith(dir.filePath("current/")) ? QFileInfo(path).fileName()
                                                               : dir.relativeFilePath(path));
        return viewers.contains(QFileInfo(path).suffix());
    });
    QCOMPARE(asked, tried);
    if (message.isEmpty()) {
        QCOMPARE(shown, QString());
    } else {
        QVERIFY2(shown.startsWith(message), qPrintable(shown));
        QVERIFY2(shown.contains(QDir::toNativeSeparators(dir.filePath("program/help/vexloader-help.html"))),
                 qPrintable(shown));
    }
}

// The build puts the guide where the help command looks for it.
void TstHelpGuide::guideShipsBesideProgram()
{
    const QString bin = qEnvironmentVariable("VEX_BIN_DIR");
    QVERIFY(!bin.isEmpty());
    QFile guide(helpguide::guidePath(bin));
    QVERIFY2(guide.open(QIODevice::ReadOnly), qPrintable(guide.fileName()));
    QVERIFY(guide.readAll().contains("Перевірити зв'язок"));
}

QTEST_GUILESS_MAIN(TstHelpGuide)
#include "tst_helpguide.moc"
