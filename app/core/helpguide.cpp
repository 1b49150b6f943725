#include "helpguide.h"

#include <QDir>
#include <QFileInfo>

namespace helpguide {

namespace {

const QString kChm = QStringLiteral("help.chm");
const QString kGuide = QStringLiteral("help/vexloader-help.html");

bool openFile(const QString &path, const Opener &open)
{
    return QFileInfo::exists(path) && open(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

} // namespace

QString guidePath(const QString &programFolder)
{
    return QDir::cleanPath(QDir(programFolder).filePath(kGuide));
}

QString openHelp(const QString &currentFolder, const QString &programFolder, const Opener &open)
{
    const QString guide = guidePath(programFolder);
    if (openFile(QDir(currentFolder).filePath(kChm), open) || openFile(guide, open))
        return {};
    if (!QFileInfo::exists(guide))
        return QStringLiteral("Посібник користувача не знайдено: %1").arg(QDir::toNativeSeparators(guide));
    return QStringLiteral("Не вдалося відкрити посібник користувача: немає програми для перегляду "
                          "сторінок HTML.\rПосібник лежить тут: %1\rВідкрийте його в будь-якому "
                          "веб-переглядачі.")
        .arg(QDir::toNativeSeparators(guide));
}

} // namespace helpguide
