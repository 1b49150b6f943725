#pragma once

#include "panelmodel.h"
#include "sectiontable.h"

// The working-memory map shared by the three panel models: five header blocks, then the
// report-code sections 18 to 45, one block each (memory blocks k = 0 to 32).

enum class HeaderBlock { ObjectNumber1, ObjectNumber2, Telephone1, Telephone2, TestReport };
inline constexpr int kHeaderBlockCount = 5;
inline constexpr int kTestReportBlock = int(HeaderBlock::TestReport);

inline constexpr int kSectionCount = 28;
inline constexpr int kFirstSection = 18;
// Sections s and s + 14 hold the same codes for the first and the second telephone number.
inline constexpr int kSectionsPerTelephone = 14;
inline constexpr int kSectionsImageOffset = 30;
inline constexpr int kMemoryBlockCount = kHeaderBlockCount + kSectionCount;

// Configurator addresses of memory block k (slot 1): descriptor and data step by 0x100.
inline constexpr quint16 kMemoryDescriptorBase = 0x1A00;
inline constexpr quint16 kMemoryDataBase = 0x4000;
inline constexpr quint16 kConfiguratorBlockStep = 0x100;

struct MemoryBlock {
    int k;
    quint16 deviceAddress;
    int imageOffset;
    int length;
    quint16 descriptorAddress; // slot 1
    quint16 dataAddress;       // slot 1
};

MemoryBlock headerBlock(HeaderBlock block);
// Section index 0 to 27 is section 18 to 45, group box grBox1 to grBox28.
MemoryBlock sectionBlock(PanelModel model, int sectionIndex);
// Blocks k = 0 to 32 in order.
QList<MemoryBlock> memoryBlocks(PanelModel model);

inline bool isSectionIndex(int sectionIndex)
{
    return sectionIndex >= 0 && sectionIndex < kSectionCount;
}
inline int sectionNumber(int sectionIndex) { return kFirstSection + sectionIndex; }
// Field k of a section is byte k - 1 of its block; every field is one byte.
int sectionFieldCount(PanelModel model, int sectionIndex);
// 0 for sections 18 to 31 (first telephone number), 1 for sections 32 to 45.
inline int telephoneOfSection(int sectionIndex) { return sectionIndex / kSectionsPerTelephone; }
// Field 1 of sections 30 and 44 is the protocol combo (cbS301, cbS441), not a hex pair.
bool isProtocolField(int sectionIndex, int field);

// List item of lstBoxSection1/2 and caption of the section's group box.
QString sectionTitle(int sectionIndex);
// The same for a panel whose sections are numbered from `firstNumber` on.
QString sectionTitle(int sectionIndex, int firstNumber);
// Captions of fields 1 to sectionFieldCount.
QStringList sectionFieldCaptions(PanelModel model, int sectionIndex);
// Sections 18 to 31 on the first page, 32 to 45 on the second; the protocol fields are the
// list fields, sections 30 and 44 in this order.
const SectionTable &panelSectionTable(PanelModel model);
// The same sections titled from section `firstNumber` on; their controls keep the panel's names.
SectionTable panelSectionTable(PanelModel model, int firstNumber);
