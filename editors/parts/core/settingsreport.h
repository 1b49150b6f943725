#pragma once

#include "reportdocument.h"
#include "telephonenumber.h"
#include "timingranges.h"
#include "zonetable.h"

#include <array>
#include <span>

// The parts of the settings reports that the alarm devices share: the zone table, the timing,
// the test-report and the access-code lines.
using ReportRows = QList<QStringList>;

// Per zone its number, detector type, mode and "так" or "ні" for each of the `columns`
// (OutputColumn indices), under `headings`.
ReportBlock reportZoneTable(const QStringList &headings, const QList<int> &columns, ZoneRange zones,
                            const ZoneList &settings);

QString reportYesNo(bool on);
// "12 сек"
QString reportValue(int value, const QString &unit);

// ud5 and ud6 in seconds, then the line-fault line with `lineFault` as its value.
ReportRows reportTimingRows(std::span<const int, kTimingValueCount> values, const QString &lineFault);
ReportRows reportTestReportRows(std::span<const int, kTestReportFieldCount> values);
// A caption and a value two tabs on.
QStringList reportCodeRow(const QString &caption, const QString &text);
ReportRows reportCodeRows(const QString &accessCode2, const QString &accessCode3,
                          const std::array<QString, 2> &objectNumbers,
                          const std::array<TelephoneNumber, 2> &telephones);
