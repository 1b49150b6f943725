#include "recordsites.h"

#include <QSettings>

namespace {

// Kept beside the port settings: organisation "VexLoad", application "Records".
QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VexLoad"), QStringLiteral("Records"));
}

QString keyOf(quint8 typeCode, const QString &objectNumber)
{
    return QStringLiteral("Sites/%1-%2").arg(typeCode).arg(objectNumber.trimmed().toUpper());
}

} // namespace

std::optional<RecordSite> rememberedSite(quint8 typeCode, const QString &objectNumber)
{
    QSettings settings = store();
    const QString key = keyOf(typeCode, objectNumber);
    if (!settings.contains(key + QStringLiteral("/Site")))
        return std::nullopt;
    return RecordSite{settings.value(key + QStringLiteral("/Site")).toString(),
                      settings.value(key + QStringLiteral("/Address")).toString()};
}

void rememberSite(quint8 typeCode, const QString &objectNumber, const RecordSite &site)
{
    QSettings settings = store();
    const QString key = keyOf(typeCode, objectNumber);
    settings.setValue(key + QStringLiteral("/Site"), site.site);
    settings.setValue(key + QStringLiteral("/Address"), site.address);
}
