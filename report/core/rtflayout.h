#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Page and tab-stop geometry of the RTF reports, in twips (1/20 point, 1/1440 inch).

// A4 with 2 cm left and 1 cm right margins: a word processor's own default (US Letter,
// 1.25 inch margins) leaves too little width for the zone table's columns.
inline constexpr char kPageSetup[] = R"(\paperw11906\paperh16838\margl1134\margr567\margt1134\margb1134)";
inline constexpr int kTextWidth = 11906 - 1134 - 567;

// How wide `text` prints in the report font (Times New Roman) at `points`, a little more
// rather than less: a text wider than its column pushes the next one to a later tab stop.
int rtfTextWidth(const QString &text, int points, bool bold);

// The tab stops of a table whose first column is `headings[0]` at the left margin on the
// heading line and, on the bulleted value lines, at the first stop after the bullet.
struct ColumnStops {
    QList<int> headings; // before headings[1], headings[2], ...
    QList<int> rows;     // before each value of a row
};
ColumnStops columnStops(const QStringList &headings, const QList<QStringList> &rows);
