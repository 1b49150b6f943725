// vexctl-pdf SETTINGS.vau OUT.pdf: the settings report of a file as PDF. vexctl runs it, so
// that vexctl itself needs no display library; it lays the report out offscreen.
#include "clitexts.h"
#include "reportoutput.h"
#include "reporttext.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return fail(QStringLiteral("usage: vexctl-pdf SETTINGS.vau OUT.pdf"));
    const settingsfile::ReadResult read = settingsfile::readFile(arguments[1]);
    if (const auto *failure = std::get_if<settingsfile::Failure>(&read))
        return fail(settingsFileFault(arguments[1], *failure));
    if (!writeReportPdf(arguments[2], settingsReportOf(std::get<settingsfile::Contents>(read))))
        return fail(QStringLiteral("%1: cannot write the file").arg(QDir::toNativeSeparators(arguments[2])));
    return 0;
}
