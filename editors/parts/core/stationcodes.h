#pragma once

#include "sectiontable.h"
#include "telephonenumber.h"
#include "timingranges.h"

#include <QByteArray>
#include <QStringList>

#include <array>
#include <span>

// What the alarm devices keep for reporting to a monitoring station, as image bytes: the
// object numbers, the telephone numbers, the test report and the report-code sections.
// Readers treat bytes beyond an image's end as 0; writers ignore positions outside it.

// The items of the protocol list field ("Протокол обміну з ПЦПС").
QStringList protocolItems();
inline constexpr int kProtocolCount = 4;

// Two object numbers as hex words (high byte first) from their offsets; an empty field is 0.
void writeObjectNumbers(QByteArray &image, const std::array<int, 2> &offsets,
                        const std::array<QString, 2> &numbers);
std::array<QString, 2> readObjectNumbers(const QByteArray &image, const std::array<int, 2> &offsets);

// The 8 bytes of a telephone code string (8 zero bytes for a field that never had one).
void writeTelephone(QByteArray &image, int offset, const TelephoneNumber &number);
TelephoneNumber readTelephone(const QByteArray &image, int offset);

// ud8 to ud12 as five BCD bytes, each value first brought into its spinner's range.
void writeTestReport(QByteArray &image, int offset, std::span<const int, kTestReportFieldCount> values);
// Which values could not be shown as stored (not BCD, or beyond the spinner's range): each of
// them gets the nearest value its spinner can hold.
using TestReportAdjusted = std::array<bool, kTestReportFieldCount>;
TestReportAdjusted readTestReport(const QByteArray &image, int offset,
                                  std::span<int, kTestReportFieldCount> values);

// The table's sections one after another from `offset`, a byte per field: hex pairs, and a
// list field's item index (by listFieldSlot in `lists`). A stored index the list does not hold
// is read as -1 (no selection) and an item of -1 is written as 0.
void writeSections(QByteArray &image, int offset, const SectionTable &table,
                   std::span<const SectionFieldTexts> fields, std::span<const int> lists);
void readSections(const QByteArray &image, int offset, const SectionTable &table,
                  std::span<SectionFieldTexts> fields, std::span<int> lists);
