#include "sectiontable.h"

namespace {

int placeOnPage(const SectionTable &table, int sectionIndex)
{
    const int page = table.sections.at(sectionIndex).page;
    int place = 0;
    for (int i = 0; i < sectionIndex; ++i)
        place += table.sections.at(i).page == page;
    return place;
}

int sectionAt(const SectionTable &table, int page, int place)
{
    for (int i = 0; i < table.sections.size(); ++i) {
        if (table.sections.at(i).page == page && place-- == 0)
            return i;
    }
    return -1;
}

} // namespace

int listFieldSlot(const SectionTable &table, int sectionIndex)
{
    if (table.sections.value(sectionIndex).listField == 0)
        return -1;
    int slot = 0;
    for (int i = 0; i < sectionIndex; ++i)
        slot += table.sections.at(i).listField != 0;
    return slot;
}

int twinSection(const SectionTable &table, int sectionIndex)
{
    if (!table.commonCodes || sectionIndex < 0 || sectionIndex >= table.sections.size())
        return -1;
    const int page = table.sections.at(sectionIndex).page;
    return sectionAt(table, 1 - page, placeOnPage(table, sectionIndex));
}
