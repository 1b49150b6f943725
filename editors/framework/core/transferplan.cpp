#include "transferplan.h"

#include "frame.h"

namespace {

const QByteArray &imageOf(ImageArea area, const QByteArray &eeprom, const QByteArray &memory)
{
    return area == ImageArea::Eeprom ? eeprom : memory;
}

void appendWrite(TPacketList &list, const DeviceRun &run, const QByteArray &eeprom,
                 const QByteArray &memory)
{
    list.AddSetAddress(run.deviceAddress);
    const bool constant = !run.constant.isEmpty();
    const QByteArray &image = constant ? run.constant : imageOf(run.area, eeprom, memory);
    const int offset = constant ? 0 : run.imageOffset;
    if (run.area == ImageArea::Eeprom)
        list.AddWriteEeprom(run.requestSize, offset, run.length, image);
    else
        list.AddWriteMemory(run.requestSize, offset, run.length, image);
}

void appendRead(TPacketList &list, const DeviceRun &run)
{
    list.AddSetAddress(run.deviceAddress);
    if (run.area == ImageArea::Eeprom) {
        for (int i = 0; i < run.length; ++i)
            list.AddReadEepromByte(run.imageOffset + i);
    } else if (run.form == RequestForm::ShortRead) {
        list.AddReadMemoryShort(run.imageOffset);
    } else {
        list.AddReadMemory(run.requestSize, run.length, run.imageOffset);
    }
}

void appendShort(TPacketList &list, bool write, const ShortRun &run, const QByteArray &memory)
{
    if (write) {
        list.AddShortWrite(run.shortAddress, run.requestSize, run.imageOffset, run.length, memory);
        return;
    }
    // A read asks for at most requestSize bytes at a time, each from its own short address.
    for (int done = 0; done < run.length && run.requestSize > 0; done += run.requestSize)
        list.AddShortRead(quint8(run.shortAddress + done), quint8(std::min(run.requestSize, run.length - done)),
                          run.imageOffset + done);
}

void appendSlotData(TPacketList &list, bool write, const SlotData &data, const QByteArray &eeprom,
                    const QByteArray &memory)
{
    if (!write) {
        list.AddConfiguratorRead(data.dataAddress, data.imageOffset, quint8(data.area), data.length);
        return;
    }
    if (!data.constant.isEmpty())
        list.AddConfiguratorWrite(data.dataAddress, 0, data.length, data.constant);
    else
        list.AddConfiguratorWrite(data.dataAddress, data.imageOffset, data.length,
                                  imageOf(data.area, eeprom, memory));
}

void appendClock(TPacketList &list, bool write, const ClockRun &run, const QByteArray &memory)
{
    using frame::kClockBytes;
    if (!write)
        list.AddClockRead(run.imageOffset);
    else if (imageSlice(memory, run.imageOffset, kClockBytes).count('\0') != kClockBytes)
        list.AddClockWrite(run.imageOffset, memory);
}

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Clang before 17 does not deduce an aggregate's template arguments by itself.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

} // namespace

bool TransferPlan::isEmpty() const
{
    for (const PlanStage &stage : stages) {
        if (!stage.steps.isEmpty())
            return false;
    }
    return true;
}

QString PlannedExchange::stageTextAt(int index) const
{
    QString text;
    for (qsizetype i = 0; i < stageStarts.size() && stageStarts.at(i) <= index; ++i)
        text = stageTexts.at(i);
    return text;
}

void appendStep(TPacketList &list, TransferPlan::Direction direction, const PlanStep &step,
                const QByteArray &eepromImage, const QByteArray &memoryImage)
{
    const bool write = direction == TransferPlan::Direction::Write;
    std::visit(Overloaded{
                   [&](const DeviceRun &run) {
                       if (write)
                           appendWrite(list, run, eepromImage, memoryImage);
                       else
                           appendRead(list, run);
                   },
                   [&](const ShortRun &run) { appendShort(list, write, run, memoryImage); },
                   [&](const ClockRun &run) { appendClock(list, write, run, memoryImage); },
                   [&](const TPacketList::Descriptor &d) { list.AddDescriptor(d); },
                   [&](const SlotData &data) {
                       appendSlotData(list, write, data, eepromImage, memoryImage);
                   },
               },
               step);
}

PlannedExchange planRequests(const TransferPlan &plan, const QByteArray &eepromImage,
                             const QByteArray &memoryImage)
{
    PlannedExchange planned;
    for (const PlanStage &stage : plan.stages) {
        planned.stageStarts.append(int(planned.list.size()));
        planned.stageTexts.append(stage.text);
        for (const PlanStep &step : stage.steps)
            appendStep(planned.list, plan.direction, step, eepromImage, memoryImage);
    }
    return planned;
}

TPacketList::Descriptor blockDescriptor(quint16 record, quint16 data, quint16 deviceAddress,
                                        ImageArea area, int count)
{
    TPacketList::Descriptor d;
    d.record = record;
    d.data = data;
    d.deviceAddress = deviceAddress;
    d.area = quint8(area);
    d.count = quint8(count);
    return d;
}

void chainDescriptors(QList<TPacketList::Descriptor> &descriptors, quint16 end)
{
    for (qsizetype i = 0; i < descriptors.size(); ++i)
        descriptors[i].next = i + 1 < descriptors.size() ? descriptors[i + 1].record : end;
}

QString stagetext::writeSlot(int slot)
{
    return QStringLiteral("Запис даних в конфігуратор (конфігурація %1)").arg(slot);
}
