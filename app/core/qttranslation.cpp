#include "qttranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

namespace {

const QStringList kCatalogues = {QStringLiteral("qtbase_uk"), QStringLiteral("qtserialport_uk")};

} // namespace

QStringList installQtTranslations(QCoreApplication &app, const QString &folder)
{
    QStringList installed;
    for (const QString &catalogue : kCatalogues) {
        // Named exactly: QTranslator would otherwise fall back to "qtbase.qm" and the like.
        const QString path = QDir(folder).filePath(catalogue + QStringLiteral(".qm"));
        auto *translator = new QTranslator(&app);
        if (QFileInfo::exists(path) && translator->load(path)
            && QCoreApplication::installTranslator(translator))
            installed.append(catalogue);
        else
            delete translator;
    }
    return installed;
}
