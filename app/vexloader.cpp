// vexloader: configures the devices over a serial port.
#include "buildinfo.h"
#include "startup.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    // Answered before the application object exists: it needs no display and starts no
    // second instance.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("vexloader %s, built %s\n", qPrintable(programVersion()), qPrintable(buildDate()));
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexloader"));
    QApplication::setApplicationVersion(programVersion());
    return startVexloader(app);
}
