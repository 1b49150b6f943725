// vexloader: configures the devices over a serial port.
#include "buildinfo.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexloader"));
    QApplication::setApplicationVersion(programVersion());
    return startVexloader(app);
}
