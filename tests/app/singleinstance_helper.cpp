// A process that claims the single-instance lock under the name in argv[1]: prints
// "primary" when it is the first instance and "activated" whenever a later start asks it
// to come forward; exits with 3 when another instance runs.
#include "firsthinstancerunning.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    FirstInstance instance(QString::fromLocal8Bit(argv[1]));
    if (!instance.claim())
        return 3;
    QObject::connect(&instance, &FirstInstance::activationRequested, [] {
        std::puts("activated");
        std::fflush(stdout);
    });
    std::puts("primary");
    std::fflush(stdout);
    return app.exec();
}
