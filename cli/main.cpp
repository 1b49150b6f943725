// vexctl: the program's exchanges from the command line, without a window.
#include "vexctl.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexctl"));
    return runVexctl(QCoreApplication::arguments().mid(1));
}
