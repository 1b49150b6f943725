#include "writablefolders.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString kOptionIni = QStringLiteral("option.ini");

} // namespace

bool canCreateFilesIn(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("write-probe-XXXXXX")));
    return probe.open();
}

WritableFolders writableFolders(const QString &programFolder)
{
    if (canCreateFilesIn(programFolder))
        return {QDir(programFolder).filePath(kOptionIni), QString()};
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(config);
    QDir().mkpath(data);
    return {QDir(config).filePath(kOptionIni), data};
}
