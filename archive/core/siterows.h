#pragma once

#include "archiveerror.h"
#include "archivetypes.h"

#include <QVariantMap>
#include <optional>

class QSqlQuery;

// The columns readSite and readDevice take, in their order.
extern const QString kSiteFields;
extern const QString kDeviceFields;

// What the searches compare: case-folded, with the apostrophes Ukrainian text is typed with
// made one, so "Обʼєкт", "об’єкт" and "ОБ'ЄКТ" are the same.
QString searchKey(const QString &text);
// Object numbers are hex digits: stored and compared trimmed and upper-case.
QString objectKey(const QString &objectNumber);

QDateTime msToUtc(qint64 msSinceEpoch);
// A stored type code or variant; nothing when outside 0..255.
std::optional<quint8> storedByte(const QVariant &value);

// The changed_* values, and the created_* ones as well for a new row.
QVariantMap stampValues(const Author &author, bool newRow);
QVariantMap siteValues(const SiteInfo &info);
QVariantMap deviceValues(const DeviceInfo &info);

ArchiveResult<SiteRecord> readSite(const QSqlQuery &query);
ArchiveResult<DeviceRecord> readDevice(const QSqlQuery &query);
