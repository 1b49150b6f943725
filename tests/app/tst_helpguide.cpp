// The help command: "help.chm" in the current folder when something opens it, otherwise the
// user guide beside the program, and a box saying where the guide is when nothing opens it.
// The guide's table of commands and the main window's menus name the same commands: each
// row carries the command's object name (data-action), its menu, its text and its keys.
#include "filehistory.h"
#include "helpguide.h"
#include "main.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

namespace {

// The "Вікна" menu is made each time it opens (arrangement commands and the list of open
// windows) and its items carry no object names; the guide gives it one row without a marker.
const QStringList kMenusWithoutNames = {QStringLiteral("Вікна")};

QString plainText(QString html)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    return html.remove(tag).remove(u'&').simplified();
}

struct GuideCommand {
    QString action;
    QString menu;
    QString text; // empty: the command's text changes (a recent file's name), not compared
    QString keys;
};

// Rows of the form <tr data-action="mnSave"><td>Файл</td><td class="cmd">Записати в файл</td>
// <td class="key"><kbd>F4</kbd></td>...</tr>.
QList<GuideCommand> guideCommands(const QString &html)
{
    static const QRegularExpression row(QStringLiteral("<tr data-action=\"([^\"]*)\">(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<td(?: class=\"(\\w+)\")?>(.*?)</td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QList<GuideCommand> commands;
    for (const QRegularExpressionMatch &r : row.globalMatch(html)) {
        GuideCommand command{r.captured(1), {}, {}, {}};
        int index = 0;
        for (const QRegularExpressionMatch &c : cell.globalMatch(r.captured(2))) {
            if (index == 0)
                command.menu = plainText(c.captured(2));
            else if (c.captured(1) == QLatin1String("cmd"))
                command.text = plainText(c.captured(2));
            else if (c.captured(1) == QLatin1String("key"))
                command.keys = plainText(c.captured(2));
            ++index;
        }
        commands.append(command);
    }
    return commands;
}

struct MenuCommand {
    QAction *action;
    QString menu; // the title in the menu bar
};

void collectMenu(const QMenu &menu, const QString &title, QList<MenuCommand> &into)
{
    for (QAction *action : menu.actions()) {
        if (action->isSeparator())
            continue;
        into.append({action, title});
        if (action->menu())
            collectMenu(*action->menu(), title, into);
    }
}

QList<MenuCommand> menuCommands(const TMainForm &form)
{
    QList<MenuCommand> commands;
    for (QAction *top : form.menuBar()->actions()) {
        if (top->menu())
            collectMenu(*top->menu(), plainText(top->text()), commands);
    }
    return commands;
}

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
    void initTestCase();
    void open_data();
    void open();
    void guideShipsBesideProgram();
    void guideCommandInMenus_data();
    void guideCommandInMenus();
    void menuCommandInGuide_data();
    void menuCommandInGuide();

private:
    QString m_guide; // the guide the build puts beside the program
    QTemporaryDir m_settings;
    std::unique_ptr<TMainForm> m_form;
};

// A main window whose "Файл" menu lists one recent file, so that the recent-file items are
// there too; the user's own settings are neither read nor changed.
void TstHelpGuide::initTestCase()
{
    QFile guide(helpguide::guidePath(qEnvironmentVariable("VEX_BIN_DIR")));
    QVERIFY2(guide.open(QIODevice::ReadOnly), qPrintable(guide.fileName()));
    m_guide = QString::fromUtf8(guide.readAll());
    QVERIFY(m_settings.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    const QString recent = m_settings.filePath(QStringLiteral("panel.vau"));
    QFile file(recent);
    QVERIFY(file.open(QIODevice::WriteOnly));
    FileHistory().addRecent(recent);
    m_form = std::make_unique<TMainForm>(m_settings.filePath(QStringLiteral("option.ini")));
}

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

void TstHelpGuide::guideCommandInMenus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keys");
    for (const GuideCommand &command : guideCommands(m_guide))
        QTest::newRow(qPrintable(command.action)) << command.action << command.menu << command.text << command.keys;
}

// Each command the guide's table names is in that menu, under that text, with those keys.
void TstHelpGuide::guideCommandInMenus()
{
    QFETCH(QString, name);
    QFETCH(QString, menu);
    QFETCH(QString, text);
    QFETCH(QString, keys);
    const QList<MenuCommand> commands = menuCommands(*m_form);
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const MenuCommand &c) { return c.action->objectName() == name; });
    QVERIFY2(found != commands.end(), qPrintable(name + QStringLiteral(": in the guide, in no menu")));
    QCOMPARE(found->menu, menu);
    const QString shown = plainText(found->action->text());
    if (!text.isEmpty())
        QVERIFY2(shown == text || shown.startsWith(text + u' '),
                 qPrintable(QStringLiteral("menu says \"%1\", the guide \"%2\"").arg(shown, text)));
    QCOMPARE(found->action->shortcut(), QKeySequence(keys));
}

void TstHelpGuide::menuCommandInGuide_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menu");
    const QList<MenuCommand> commands = menuCommands(*m_form);
    QVERIFY(commands.size() > 30);
    for (const MenuCommand &command : commands) {
        const QString tag = command.action->objectName().isEmpty()
                                ? command.menu + QStringLiteral(": ") + plainText(command.action->text())
                                : command.action->objectName();
        QTest::newRow(qPrintable(tag)) << command.action->objectName() << command.menu;
    }
}

// Each command of the menus has its row in the guide's table (by object name).
void TstHelpGuide::menuCommandInGuide()
{
    QFETCH(QString, name);
    QFETCH(QString, menu);
    if (name.isEmpty()) {
        QVERIFY2(kMenusWithoutNames.contains(menu),
                 qPrintable(QStringLiteral("a command without an object name in \"%1\"").arg(menu)));
        return;
    }
    QStringList guided;
    for (const GuideCommand &command : guideCommands(m_guide))
        guided.append(command.action);
    QVERIFY2(guided.contains(name), qPrintable(name + QStringLiteral(" is missing from the guide's table of commands")));
}

QTEST_MAIN(TstHelpGuide)
#include "tst_helpguide.moc"
