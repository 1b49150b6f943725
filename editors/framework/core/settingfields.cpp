#include "settingfields.h"

#include <QHash>

QList<FieldDifference> differences(const QList<SettingField> &first, const QList<SettingField> &second)
{
    const auto key = [](const SettingField &f) { return f.group + u'\n' + f.name; };
    QHash<QString, QString> secondValues;
    for (const SettingField &f : second)
        secondValues.insert(key(f), f.value);
    QList<FieldDifference> list;
    QHash<QString, bool> seen;
    for (const SettingField &f : first) {
        seen.insert(key(f), true);
        const QString other = secondValues.value(key(f));
        if (other != f.value)
            list.append({f.group, f.name, f.value, other});
    }
    for (const SettingField &f : second) {
        if (!seen.contains(key(f)))
            list.append({f.group, f.name, QString(), f.value});
    }
    return list;
}

QString differenceText(const QList<FieldDifference> &list, const QString &firstLabel,
                       const QString &secondLabel)
{
    QStringList lines{QStringLiteral("%1 → %2").arg(firstLabel, secondLabel)};
    QString group;
    for (const FieldDifference &d : list) {
        if (d.group != group) {
            group = d.group;
            lines.append(group);
        }
        const auto shown = [](const QString &v) { return v.isEmpty() ? QStringLiteral("(порожньо)") : v; };
        lines.append(QStringLiteral("  %1: %2 → %3").arg(d.name, shown(d.first), shown(d.second)));
    }
    return lines.join(u'\r');
}
