#pragma once

#include "rtfreport.h"
#include "telephonenumber.h"
#include "timingranges.h"
#include "zonetable.h"

#include <array>
#include <span>

// The lines of the settings reports that the alarm devices share, in the style of
// rtfpiece: the zone table, the timing, the test-report and the access-code lines.
using RtfLines = QList<QByteArray>;

// Column headings, then per zone its number, detector type, mode and "так" or "ні" for each
// of the `columns` (OutputColumn indices), bulleted at the tab stops.
struct ReportZoneTable {
    QStringList headings;
    QList<int> columns;
    QByteArray tabStops;
};
RtfLines reportZoneTable(const ReportZoneTable &table, ZoneRange zones, const ZoneList &settings);

QString reportYesNo(bool on);
// "12 сек"
QString reportValue(int value, const QString &unit);

// ud5 and ud6 in seconds, then the line-fault line with `lineFault` as its value.
RtfLines reportTimingLines(std::span<const int, kTimingValueCount> values, const QString &lineFault);
RtfLines reportTestReportLines(std::span<const int, kTestReportFieldCount> values);
// A caption and a value two tabs on.
QByteArray reportCodeLine(const QString &caption, const QString &text);
RtfLines reportCodeLines(const QString &accessCode2, const QString &accessCode3,
                         const std::array<QString, 2> &objectNumbers,
                         const std::array<TelephoneNumber, 2> &telephones);
