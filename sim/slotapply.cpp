#include "slotapply.h"

#include "packets.h"
#include "simbytes.h"
#include "simconfigurator.h"
#include "simdevice.h"

#include <QList>
#include <QSet>

namespace {

using Error = SlotApplyResult::Error;
using Descriptor = TPacketList::Descriptor;

constexpr char kErasedByte = SimConfigurator::kErasedByte;

bool isErased(const QByteArray &descriptor)
{
    return descriptor.at(0) == kErasedByte && descriptor.at(1) == kErasedByte;
}

SimArea targetArea(const Descriptor &d)
{
    return d.area == kKindEeprom ? SimArea::Eeprom : SimArea::Memory;
}

Error checkBlock(const Descriptor &d, const SimDevice &device)
{
    if (d.deviceType != device.typeCode())
        return Error::WrongDevice;
    if (d.area != kKindEeprom && d.area != kKindMemory)
        return Error::BadArea;
    if (!simbytes::inside(d.data, d.count, SimConfigurator::kStoreSize)
        || !simbytes::inside(d.deviceAddress, d.count, SimDevice::areaSize(targetArea(d))))
        return Error::OutOfRange;
    return Error::None;
}

struct Chain {
    QList<Descriptor> blocks;
    SlotApplyResult failure;
};

Chain followChain(const SimConfigurator &configurator, int slot, const SimDevice &device)
{
    Chain chain;
    QSet<int> visited;
    int record = configurator::slotHeaderAddress(slot);
    auto fail = [&chain, &record](Error error) {
        chain.failure = {error, 0, record};
        return chain;
    };
    do {
        if (visited.contains(record))
            return fail(Error::Loop);
        visited.insert(record);
        const std::optional<QByteArray> bytes =
            configurator.read(record, SimConfigurator::kDescriptorSize);
        if (!bytes)
            return fail(Error::OutOfRange);
        if (chain.blocks.isEmpty() && isErased(*bytes))
            return fail(Error::EmptySlot);
        const Descriptor d = Descriptor::fromStored(quint16(record), *bytes);
        if (const Error error = checkBlock(d, device); error != Error::None)
            return fail(error);
        chain.blocks.append(d);
        record = d.next;
    } while (record >= configurator::kFirstSlotHeader);
    return chain;
}

} // namespace

SlotApplyResult applySlot(const SimConfigurator &configurator, int slot, SimDevice &device)
{
    if (slot < 1 || slot > configurator::kSlotCount)
        return {Error::NoSuchSlot, 0, -1};
    const Chain chain = followChain(configurator, slot, device);
    if (chain.failure.error != Error::None)
        return chain.failure;
    for (const Descriptor &d : chain.blocks)
        device.write(targetArea(d), d.deviceAddress, *configurator.read(d.data, d.count));
    return {Error::None, int(chain.blocks.size()), -1};
}
