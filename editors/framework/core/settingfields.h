#pragma once

#include <QList>
#include <QString>

// A model's settings as a list of named fields with their values written as the report
// prints them: what verification, comparison and the commissioning record show.
struct SettingField {
    QString group; // as the editor groups its controls: "Зони", "Коди доступу", ...
    QString name;  // "Зона 3: режим збігу"
    QString value; // "по двох СП"

    friend bool operator==(const SettingField &, const SettingField &) = default;
};

struct FieldDifference {
    QString group;
    QString name;
    QString first;  // the value in the first list ("" when absent)
    QString second; // the value in the second list

    friend bool operator==(const FieldDifference &, const FieldDifference &) = default;
};

// The fields whose values differ, in the order of `first` (fields only in `second` last).
QList<FieldDifference> differences(const QList<SettingField> &first, const QList<SettingField> &second);

// One line per difference under its group's heading, for a message box:
// "Зони\r  Зона 3: режим збігу: по двох СП → без збігу".
QString differenceText(const QList<FieldDifference> &list, const QString &firstLabel,
                       const QString &secondLabel);
