#include "gsmplans.h"

#include "gsmtables.h"

#include <functional>

namespace {

using namespace gsmimage;
using Descriptor = TPacketList::Descriptor;
using AddressOf = std::function<quint16(const GprsBlock &)>;

const QString kGsmWriteText = QStringLiteral("Запис даних в прилад");
const QString kGsmReadText = QStringLiteral("Отримання даних з приладу");
const QString kGsm4WriteMemoryText = QStringLiteral("Запис даних в память");

constexpr int kEepromReadRequestSize = 1; // one EEPROM-byte read per image byte
constexpr quint16 kMemoryDataBase = 0x4000;
constexpr quint16 kBlockStep = 0x100;
constexpr quint8 kFreshVersion = 1;

// GSM module slot layout (slot-1 addresses).
constexpr quint16 kGsmEepromDescriptor = 0x1000;
constexpr quint16 kGsmMarkerDescriptor = 0x1200;
constexpr quint16 kGsmFirstMemoryDescriptor = 0x1300;
constexpr quint16 kGsmEepromData = 0x2000;
constexpr quint16 kGsmMarkerData = 0x2008;

// GSM.4 module slot layout: the EEPROM image in four pieces, each put by its descriptor
// where a direct write puts it.
struct EepromPiece {
    quint16 descriptor;
    quint16 data;
    quint16 deviceAddress;
    int imageOffset;
    int length;
};
constexpr EepromPiece kGsm4EepromPieces[] = {
    {0x1000, 0x1500, 0x0040, 0, 24},
    {0x1200, 0x1518, 0x0058, 24, 24},
    {0x1300, 0x1530, 0x0070, 48, 5},
    {0x1400, 0x1538, kMarkerAddress, gsm4::kMarker, 1},
};
constexpr quint16 kGsm4FirstMemoryDescriptor = 0x1A00;

AddressOf gsmAddresses(quint8 version)
{
    return [version](const GprsBlock &b) { return gsmBlockAddress(b, version); };
}

quint16 gsm4Address(const GprsBlock &b)
{
    return b.gsm4Address;
}

// What the module's hidden-code block receives: the "ЗМУ-С112.4" module takes a copy of the
// identifier block there.
enum class HiddenCodeBlock { OwnBytes, IdentifierCopy };

HiddenCodeBlock hiddenCodeBlock(Gsm4Variant variant)
{
    return variant == Gsm4Variant::S112 ? HiddenCodeBlock::IdentifierCopy : HiddenCodeBlock::OwnBytes;
}

int sourceOffset(const GprsBlock &block, HiddenCodeBlock hidden)
{
    const bool copy = block.field == GprsField::HiddenCode && hidden == HiddenCodeBlock::IdentifierCopy;
    return copy ? gprsBlock(GprsField::Identifier).imageOffset : block.imageOffset;
}

QList<PlanStep> memoryWrites(const AddressOf &address, HiddenCodeBlock hidden)
{
    QList<PlanStep> steps;
    for (const GprsBlock &b : gprsBlocks())
        steps.append(
            DeviceRun{ImageArea::Memory, address(b), sourceOffset(b, hidden), b.length, kMemoryChunk});
    return steps;
}

// Every block is read as 32 bytes; a later block overwrites what an earlier read brought
// beyond its own block, so after the last reply each block holds its own bytes.
QList<PlanStep> memoryReads(const AddressOf &address)
{
    QList<PlanStep> steps;
    for (const GprsBlock &b : gprsBlocks())
        steps.append(DeviceRun{ImageArea::Memory, address(b), b.imageOffset, kReadRequestSize, kMemoryChunk});
    return steps;
}

quint16 memoryData(int k, quint16 base)
{
    return quint16(base + kMemoryDataBase + kBlockStep * k);
}

// Per block k, its descriptor (from `firstDescriptor`, 0x100 apart) and its data.
struct SlotBlocks {
    QList<Descriptor> descriptors;
    QList<SlotData> data;
};

SlotBlocks memorySlotBlocks(quint16 firstDescriptor, const AddressOf &address, HiddenCodeBlock hidden,
                            quint16 base)
{
    SlotBlocks blocks;
    int k = 0;
    for (const GprsBlock &b : gprsBlocks()) {
        const quint16 data = memoryData(k, base);
        blocks.descriptors.append(blockDescriptor(quint16(base + firstDescriptor + kBlockStep * k), data,
                                                  address(b), ImageArea::Memory, b.length));
        blocks.data.append({ImageArea::Memory, data, sourceOffset(b, hidden), b.length});
        ++k;
    }
    return blocks;
}

// Descriptors, then data, per area (EEPROM first); the chain runs through them all.
TransferPlan slotWritePlan(const SlotBlocks &eeprom, const SlotBlocks &memory, quint8 typeCode,
                           quint8 version, int slot)
{
    QList<Descriptor> chain = eeprom.descriptors + memory.descriptors;
    for (Descriptor &d : chain) {
        d.deviceType = typeCode;
        d.variant = version;
    }
    chainDescriptors(chain, configurator::slotBase(slot));
    QList<PlanStep> steps;
    const qsizetype eepromCount = eeprom.descriptors.size();
    for (qsizetype i = 0; i < eepromCount; ++i)
        steps.append(chain[i]);
    for (const SlotData &d : eeprom.data)
        steps.append(d);
    for (qsizetype i = eepromCount; i < chain.size(); ++i)
        steps.append(chain[i]);
    for (const SlotData &d : memory.data)
        steps.append(d);
    return {TransferPlan::Direction::Write, {{stagetext::writeSlot(slot), steps}}};
}

QList<PlanStep> memorySlotReads(quint16 base, int identifierLength)
{
    QList<PlanStep> steps;
    int k = 0;
    for (const GprsBlock &b : gprsBlocks()) {
        const int length = b.field == GprsField::Identifier ? identifierLength : b.storedLength;
        steps.append(SlotData{ImageArea::Memory, memoryData(k++, base), b.imageOffset, length});
    }
    return steps;
}

// Image bytes that stay where a write puts them: a block that runs into the next one
// (an IP address's second 0xFF under the port) keeps only the bytes before it.
QList<ImageSegment> memorySegments(const AddressOf &address)
{
    QList<ImageSegment> segments;
    for (const GprsBlock &b : gprsBlocks()) {
        int length = b.length;
        for (const GprsBlock &other : gprsBlocks()) {
            if (address(other) > address(b))
                length = std::min(length, address(other) - address(b));
        }
        segments.append({ImageArea::Memory, b.imageOffset, length, DeviceSpace::Memory, address(b)});
    }
    return segments;
}

const QByteArray &gsmMarker()
{
    static const QByteArray marker(1, gsm::kConstantMarker);
    return marker;
}

} // namespace

TransferPlan gsmDeviceWrite(quint8 version)
{
    QList<PlanStep> steps{
        DeviceRun{ImageArea::Eeprom, kEepromAddress, 0, gsm::kEepromSize, kEepromChunk},
        DeviceRun{ImageArea::Eeprom, kMarkerAddress, 0, 1, kEepromChunk, RequestForm::Chunked, gsmMarker()},
    };
    steps += memoryWrites(gsmAddresses(version), HiddenCodeBlock::OwnBytes);
    return {TransferPlan::Direction::Write, {{kGsmWriteText, steps}}};
}

TransferPlan gsmDeviceRead(quint8 version)
{
    QList<PlanStep> steps{
        DeviceRun{ImageArea::Eeprom, kEepromAddress, 0, gsm::kEepromSize, kEepromReadRequestSize}};
    steps += memoryReads(gsmAddresses(version));
    return {TransferPlan::Direction::Read, {{kGsmReadText, steps}}};
}

TransferPlan gsmSlotWrite(quint8 version, int slot)
{
    const quint16 base = configurator::slotBase(slot);
    SlotBlocks eeprom;
    eeprom.descriptors = {
        blockDescriptor(base + kGsmEepromDescriptor, base + kGsmEepromData, kEepromAddress, ImageArea::Eeprom,
                        gsm::kEepromSize),
        blockDescriptor(base + kGsmMarkerDescriptor, base + kGsmMarkerData, kMarkerAddress, ImageArea::Eeprom,
                        1),
    };
    eeprom.data = {{ImageArea::Eeprom, quint16(base + kGsmEepromData), 0, gsm::kEepromSize},
                   {ImageArea::Eeprom, quint16(base + kGsmMarkerData), 0, 1, gsmMarker()}};
    const SlotBlocks memory =
        memorySlotBlocks(kGsmFirstMemoryDescriptor, gsmAddresses(version), HiddenCodeBlock::OwnBytes, base);
    return slotWritePlan(eeprom, memory, gsm::kTypeCode, version, slot);
}

TransferPlan gsmSlotRead(int slot)
{
    const quint16 base = configurator::slotBase(slot);
    QList<PlanStep> steps{SlotData{ImageArea::Eeprom, quint16(base + kGsmEepromData), 0, gsm::kEepromSize}};
    steps += memorySlotReads(base, gprsBlock(GprsField::Identifier).storedLength);
    return {TransferPlan::Direction::Read, {{stagetext::kReadSlot, steps}}};
}

QList<ImageSegment> gsmSegments(quint8 version)
{
    return QList<ImageSegment>{{ImageArea::Eeprom, 0, gsm::kEepromSize, DeviceSpace::Eeprom, kEepromAddress}}
           + memorySegments(gsmAddresses(version));
}

TransferPlan gsm4DeviceWrite(Gsm4Variant variant)
{
    const QList<PlanStep> eeprom{
        DeviceRun{ImageArea::Eeprom, kEepromAddress, 0, gsm4::kFirstBlockLength, kEepromChunk},
        DeviceRun{ImageArea::Eeprom, kMarkerAddress, gsm4::kMarker, 1, kEepromChunk},
    };
    return {TransferPlan::Direction::Write,
            {{stagetext::kWriteEeprom, eeprom},
             {kGsm4WriteMemoryText, memoryWrites(gsm4Address, hiddenCodeBlock(variant))}}};
}

TransferPlan gsm4DeviceRead()
{
    const QList<PlanStep> eeprom{
        DeviceRun{ImageArea::Eeprom, kEepromAddress, 0, gsm4::kFirstBlockLength, kEepromReadRequestSize},
        DeviceRun{ImageArea::Eeprom, kMarkerAddress, gsm4::kMarker, 1, kEepromReadRequestSize},
    };
    return {TransferPlan::Direction::Read,
            {{stagetext::kReadEeprom, eeprom}, {stagetext::kReadMemory, memoryReads(gsm4Address)}}};
}

TransferPlan gsm4SlotWrite(Gsm4Variant variant, quint8 version, int slot)
{
    const quint16 base = configurator::slotBase(slot);
    SlotBlocks eeprom;
    for (const EepromPiece &p : kGsm4EepromPieces) {
        const quint16 data = quint16(base + p.data);
        eeprom.descriptors.append(blockDescriptor(quint16(base + p.descriptor), data, p.deviceAddress,
                                                  ImageArea::Eeprom, p.length));
        eeprom.data.append({ImageArea::Eeprom, data, p.imageOffset, p.length});
    }
    const SlotBlocks memory =
        memorySlotBlocks(kGsm4FirstMemoryDescriptor, gsm4Address, hiddenCodeBlock(variant), base);
    return slotWritePlan(eeprom, memory, gsm4::kTypeCode, version, slot);
}

// The identifier block is read whole (6 bytes): the "ЗМУ-С112.4" keeps six digits there, and
// which variant a slot holds is known only from byte 53, read in the same exchange.
TransferPlan gsm4SlotRead(int slot)
{
    const quint16 base = configurator::slotBase(slot);
    const EepromPiece &first = kGsm4EepromPieces[0];
    const EepromPiece &marker = kGsm4EepromPieces[std::size(kGsm4EepromPieces) - 1];
    QList<PlanStep> steps{
        SlotData{ImageArea::Eeprom, quint16(base + first.data), 0, gsm4::kFirstBlockLength},
        SlotData{ImageArea::Eeprom, quint16(base + marker.data), marker.imageOffset, marker.length},
    };
    steps += memorySlotReads(base, gprsBlock(GprsField::Identifier).length);
    return {TransferPlan::Direction::Read, {{stagetext::kReadSlot, steps}}};
}

QList<ImageSegment> gsm4Segments()
{
    return QList<ImageSegment>{
               {ImageArea::Eeprom, 0, gsm4::kFirstBlockLength, DeviceSpace::Eeprom, kEepromAddress},
               {ImageArea::Eeprom, gsm4::kMarker, 1, DeviceSpace::Eeprom, kMarkerAddress},
           }
           + memorySegments(gsm4Address);
}

quint8 adoptedVersion(quint8 stored, quint8 reported)
{
    const bool sharedMap = reported == 1 || reported == 2;
    return stored == kFreshVersion && sharedMap ? reported : stored;
}
