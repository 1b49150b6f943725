#include "panelsections.h"

#include "stationcodes.h"

namespace {

struct HeaderRow {
    quint16 deviceAddress;
    int imageOffset;
    int length;
};

// By HeaderBlock; the same in every model.
constexpr std::array<HeaderRow, kHeaderBlockCount> kHeaderRows{{
    {0x4800, 0, 2},  // object number 1, hex word
    {0x4840, 2, 2},  // object number 2
    {0x4E80, 4, 8},  // first telephone number, telephone code string
    {0x4EC0, 12, 8}, // second telephone number
    {0x4F00, 20, 5}, // test report, BCD bytes; image bytes 25 to 29 are unused
}};

struct SectionRow {
    quint16 deviceAddress;
    std::array<int, 3> lengths; // by PanelModel
};

// Sections 18 to 31. Every section owns a 64-byte slot in the device, and the slot of
// section s + 14 directly follows that of section s; s + 14 has the same length.
constexpr std::array<SectionRow, kSectionsPerTelephone> kFirstNumberSections{{
    {0x4880, {4, 8, 16}},    // 18 fire alarm
    {0x4900, {4, 8, 16}},    // 19
    {0x4D00, {4, 8, 16}},    // 20
    {0x4D80, {4, 8, 16}},    // 21
    {0x4980, {4, 8, 16}},    // 22
    {0x4A00, {4, 8, 16}},    // 23
    {0x4B00, {4, 8, 16}},    // 24
    {0x4B80, {4, 8, 16}},    // 25
    {0x4C00, {8, 8, 16}},    // 26 outputs off
    {0x4C80, {8, 8, 16}},    // 27 outputs on
    {0x4F40, {8, 8, 8}},     // 28 output faults
    {0x4FC0, {8, 8, 8}},     // 29 outputs back to normal
    {0x4E00, {10, 10, 10}},  // 30 parameters
    {0x4A80, {16, 16, 16}},  // 31 other codes
}};
constexpr quint16 kSectionSlotSize = 0x40;

constexpr int kProtocolSectionBase = 30 - kFirstSection; // sections 30 and 44

const SectionRow &sectionRow(int sectionIndex)
{
    return kFirstNumberSections[std::size_t(sectionIndex % kSectionsPerTelephone)];
}

int sectionLength(PanelModel model, int sectionIndex)
{
    return sectionRow(sectionIndex).lengths[std::size_t(model)];
}

MemoryBlock makeBlock(int k, quint16 deviceAddress, int imageOffset, int length)
{
    return MemoryBlock{k, deviceAddress, imageOffset, length,
                       quint16(kMemoryDescriptorBase + k * kConfiguratorBlockStep),
                       quint16(kMemoryDataBase + k * kConfiguratorBlockStep)};
}

SectionTable buildSectionTable(PanelModel model)
{
    SectionTable table;
    table.pageTitles = {QStringLiteral("Перший телефоний номер"),
                        QStringLiteral("Другий телефоний номер")};
    table.listItems = protocolItems();
    table.commonCodes = true;
    for (int i = 0; i < kSectionCount; ++i) {
        QStringList captions = sectionFieldCaptions(model, i);
        captions.resize(sectionFieldCount(model, i));
        table.sections.append(SectionEntry{
            .number = sectionNumber(i),
            .nameNumber = sectionNumber(i),
            .page = telephoneOfSection(i),
            .title = sectionTitle(i),
            .fieldCaptions = captions,
            .listField = isProtocolField(i, 1) ? 1 : 0,
        });
    }
    return table;
}

} // namespace

MemoryBlock headerBlock(HeaderBlock block)
{
    const int k = int(block);
    const HeaderRow &row = kHeaderRows[std::size_t(k)];
    return makeBlock(k, row.deviceAddress, row.imageOffset, row.length);
}

MemoryBlock sectionBlock(PanelModel model, int sectionIndex)
{
    if (!isSectionIndex(sectionIndex))
        return MemoryBlock{};
    int offset = kSectionsImageOffset;
    for (int i = 0; i < sectionIndex; ++i)
        offset += sectionLength(model, i);
    const quint16 slotStep = sectionIndex >= kSectionsPerTelephone ? kSectionSlotSize : 0;
    return makeBlock(kHeaderBlockCount + sectionIndex,
                     quint16(sectionRow(sectionIndex).deviceAddress + slotStep), offset,
                     sectionLength(model, sectionIndex));
}

QList<MemoryBlock> memoryBlocks(PanelModel model)
{
    QList<MemoryBlock> blocks;
    for (int k = 0; k < kHeaderBlockCount; ++k)
        blocks.append(headerBlock(HeaderBlock(k)));
    for (int i = 0; i < kSectionCount; ++i)
        blocks.append(sectionBlock(model, i));
    return blocks;
}

int sectionFieldCount(PanelModel model, int sectionIndex)
{
    return isSectionIndex(sectionIndex) ? sectionLength(model, sectionIndex) : 0;
}

bool isProtocolField(int sectionIndex, int field)
{
    return isSectionIndex(sectionIndex)
        && sectionIndex % kSectionsPerTelephone == kProtocolSectionBase && field == 1;
}

SectionTable panelSectionTable(PanelModel model, int firstNumber)
{
    SectionTable table = panelSectionTable(model);
    for (int i = 0; i < table.sections.size(); ++i) {
        table.sections[i].number = firstNumber + i;
        table.sections[i].title = sectionTitle(i, firstNumber);
    }
    return table;
}

const SectionTable &panelSectionTable(PanelModel model)
{
    static const std::array<SectionTable, 3> tables{buildSectionTable(PanelModel::FourZone),
                                                    buildSectionTable(PanelModel::EightZone),
                                                    buildSectionTable(PanelModel::SixteenZone)};
    return tables[std::size_t(model)];
}
