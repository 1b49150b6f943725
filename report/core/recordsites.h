#pragma once

#include <QString>
#include <optional>

// The protected site a device's commissioning records name, asked the first time and then
// remembered for the device (its model and object number), per user.
struct RecordSite {
    QString site;
    QString address;
};

std::optional<RecordSite> rememberedSite(quint8 typeCode, const QString &objectNumber);
void rememberSite(quint8 typeCode, const QString &objectNumber, const RecordSite &site);
