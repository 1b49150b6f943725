// vexloader: configures the devices over a serial port.
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexloader"));
    return startVexloader(app);
}
