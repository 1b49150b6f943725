#include "startup.h"

#include "about.h"
#include "editorfactory.h"
#include "firsthinstancerunning.h"
#include "log.h"
#include "main.h"
#include "programmator.h"
#include "qtdialogs.h"
#include "qttranslation.h"
#include "writablefolders.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>

namespace {

constexpr int kSplashMs = 1000;

// option.ini's path; the log follows it into the user's folders when the program's folder
// cannot be written (an installed program).
QString prepareWritableFolders()
{
    const WritableFolders folders = writableFolders(QCoreApplication::applicationDirPath());
    setLogBaseFolder(folders.logBase);
    return folders.optionIni;
}

void bringForward(TMainForm &form)
{
    form.setWindowState((form.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    form.show();
    form.raise();
    form.activateWindow();
}

// Someone who started the program from a terminal sees why no new window opened.
void tellSecondStart()
{
    QTextStream(stdout) << QCoreApplication::applicationName()
                        << QStringLiteral(" вже запущено: вікно першого запуску виведено наперед.")
                        << Qt::endl;
}

} // namespace

int startVexloader(QApplication &app, const std::function<void(TMainForm &)> &shown)
{
    FirstInstance instance(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    if (!instance.claim()) {
        tellSecondStart();
        return 0;
    }
    installQtTranslations(app);

    QtDialogs qtDialogs;
    setDialogs(&qtDialogs);

    TAboutForm splash;
    splash.show();
    QElapsedTimer splashShown;
    splashShown.start();

    // Built while the splash is up (still hidden), so the window appears as the splash goes.
    TMainForm mainForm(prepareWritableFolders());
    qtDialogs.setParentWindow(&mainForm);
    mainForm.setEditorFactory(createEditor);
    mainForm.setHexOpener([&mainForm](const QString &path) { showProgrammer(mainForm)->OpenHex(path); });
    splash.showAsSplash(std::max<int>(0, kSplashMs - int(splashShown.elapsed())));
    QObject::connect(&instance, &FirstInstance::activationRequested, &mainForm,
                     [&mainForm] { bringForward(mainForm); });
    mainForm.show();
    mainForm.showSelectWindow();
    if (shown)
        QTimer::singleShot(0, &mainForm, [&mainForm, &shown] { shown(mainForm); });
    const int result = app.exec();
    setDialogs(nullptr);
    return result;
}
