#include "rtflayout.h"

#include <algorithm>

namespace {

constexpr int kTwipsPerPoint = 20;
constexpr int kBodyPoints = 10;     // \fs20
constexpr int kBoldPercent = 110;   // the bold cut's letters are wider
constexpr int kFirstValueStop = 426; // after the bullet and its indent of 200
constexpr int kColumnGap = 170;     // about 3 mm between a column's widest text and the next

// Advance widths in thousandths of the font size, rounded up from Times New Roman's.
int advance(QChar ch)
{
    static const QString narrow = QStringLiteral("IJІЇlijftії.,:;'!|()[]-/");
    static const QString wideCapitals = QStringLiteral("ЖШЩЮМФЫWM№");
    static const QString wideSmall = QStringLiteral("жшщюмфыwm");
    if (ch == u' ')
        return 250;
    if (ch.isDigit())
        return 500;
    if (ch == u'"')
        return 408;
    if (narrow.contains(ch))
        return 333;
    if (wideCapitals.contains(ch))
        return 1000;
    if (wideSmall.contains(ch))
        return 778;
    if (ch.isUpper())
        return 722;
    if (ch.isLower())
        return 500;
    return 600;
}

int widest(const QList<QStringList> &rows, qsizetype column)
{
    int width = 0;
    for (const QStringList &row : rows)
        width = std::max(width, rtfTextWidth(row.value(column), kBodyPoints, false));
    return width;
}

} // namespace

int rtfTextWidth(const QString &text, int points, bool bold)
{
    int thousandths = 0;
    for (QChar ch : text)
        thousandths += advance(ch);
    const int width = (thousandths * points * kTwipsPerPoint + 999) / 1000;
    return bold ? (width * kBoldPercent + 99) / 100 : width;
}

ColumnStops columnStops(const QStringList &headings, const QList<QStringList> &rows)
{
    ColumnStops stops{{}, {kFirstValueStop}};
    int headingEnd = rtfTextWidth(headings.value(0), kBodyPoints, true);
    int valueEnd = kFirstValueStop + widest(rows, 0);
    for (qsizetype column = 1; column < headings.size(); ++column) {
        const int stop = std::max(headingEnd, valueEnd) + kColumnGap;
        stops.headings << stop;
        stops.rows << stop;
        headingEnd = stop + rtfTextWidth(headings[column], kBodyPoints, true);
        valueEnd = stop + widest(rows, column);
    }
    return stops;
}
