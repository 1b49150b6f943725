// vexloader: start-up. One instance per user; a later start brings the running one
// forward and ends. Splash for one second, then the main window and the selection window.
#include "about.h"
#include "firsthinstancerunning.h"
#include "main.h"
#include "qtdialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {
constexpr int kSplashMs = 1000;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexloader"));

    FirstInstance instance(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    if (!instance.claim())
        return 0;

    QtDialogs qtDialogs;
    setDialogs(&qtDialogs);

    TAboutForm splash;
    splash.showAsSplash(kSplashMs);

    TMainForm mainForm(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("option.ini")));
    qtDialogs.setParentWindow(&mainForm);
    QObject::connect(&instance, &FirstInstance::activationRequested, &mainForm, [&mainForm] {
        mainForm.setWindowState((mainForm.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        mainForm.show();
        mainForm.raise();
        mainForm.activateWindow();
    });
    mainForm.show();
    mainForm.showSelectWindow();
    return app.exec();
}
