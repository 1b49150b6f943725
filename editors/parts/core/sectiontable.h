#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The report-code sections of a device's memory: numbering, captions, pages, and which fields
// are chosen from a list. Field k of a section is byte k - 1 of its block.

inline constexpr int kMaxSectionFields = 16;
// edS<s><k> by field k - 1, hex pairs; a list field's text stays empty.
using SectionFieldTexts = std::array<QString, kMaxSectionFields>;

struct SectionEntry {
    int number;     // as the user sees it: "Секція <number> – ..."
    int nameNumber; // in the names of its fields (edS<nameNumber><k>) and its group box's tag
    int page;       // 0-based page, also the telephone number the codes go to
    QString title;  // list item and group-box caption
    QStringList fieldCaptions; // one per field
    int listField = 0;         // the field k chosen from the table's list items, 0 for none

    int fieldCount() const { return int(fieldCaptions.size()); }
};

struct SectionTable {
    QList<SectionEntry> sections; // in image order; group boxes grBox1, grBox2, ...
    QStringList pageTitles;       // one per page
    QStringList listItems;        // the items of every list field
    // "спільні коди": the sections at the same place on two pages hold the same codes.
    bool commonCodes = false;
};

// The index of a section's list field among all list fields, in table order; -1 for none.
int listFieldSlot(const SectionTable &table, int sectionIndex);
// The section at the same place on the other page, or -1 where codes are not shared.
int twinSection(const SectionTable &table, int sectionIndex);
