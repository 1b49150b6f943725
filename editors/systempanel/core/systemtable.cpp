#include "systemtable.h"

#include "panelencoding.h"
#include "systempanelmap.h"

namespace {

constexpr int kZonesPerType = 8;
constexpr int kPanelSlot = 0;
constexpr int kBytesPerSlot = 2;
constexpr int kRelayBlockSize = kDeviceSlotCount * kBytesPerSlot; // 14 bytes per relay

// Relay r of module m, slot t: 2 bytes at 434 + 14 x (8m + r - 1) + 2t.
int maskOffset(int module, int relay, int slot)
{
    return kRelayMasksOffset + kRelayBlockSize * (module * kRelayCount + relay - 1) + kBytesPerSlot * slot;
}

// Slots 1 and 2 share byte 658 (odd slot in the low nibble), 3 and 4 byte 659, 5 and 6 byte 660.
int typeOffset(int slot)
{
    return kSlotTypesOffset + (slot - 1) / 2;
}

int typeShift(int slot)
{
    return slot % 2 ? 0 : 4;
}

constexpr quint8 kModulePresent = 1; // per nibble; any other value means absent

int moduleShift(int module)
{
    return module * 4;
}

} // namespace

QString deviceSlotName(int slot, int type)
{
    if (slot == kPanelSlot)
        return QStringLiteral("Корвел - 16.64П");
    switch (type) {
    case kSlotEightZone: return QStringLiteral("Корвел-8П");
    case kSlotSixteenZone: return QStringLiteral("Корвел-16П");
    default: return kEmptyNodeName;
    }
}

TDeviceCollection::TDeviceCollection()
{
    m_items[kPanelSlot].type = kSlotSixteenZone;
    m_items[kPanelSlot].zoneCount = kSlotSixteenZone * kZonesPerType;
}

const TDeviceItem &TDeviceCollection::item(int slot) const
{
    return m_items[std::size_t(qBound(0, slot, kDeviceSlotCount - 1))];
}

int TDeviceCollection::totalZones() const
{
    int total = 0;
    for (const TDeviceItem &item : m_items)
        total += item.zoneCount;
    return total;
}

void TDeviceCollection::showAsType(int slot, int type)
{
    TDeviceItem &item = m_items[std::size_t(slot)];
    item.type = quint8(type);
    item.zoneCount = quint8(type * kZonesPerType);
}

void TDeviceCollection::setSlotType(int slot, int type)
{
    if (isRemote(slot) && (type == kSlotEightZone || type == kSlotSixteenZone))
        showAsType(slot, type);
}

void TDeviceCollection::emptySlot(int slot)
{
    if (!isRemote(slot))
        return;
    showAsType(slot, kSlotEmpty);
    m_items[std::size_t(slot)].masks = {};
}

bool TDeviceCollection::modulePresent(int module) const
{
    return isModule(module) && m_modules[std::size_t(module)];
}

void TDeviceCollection::addModule(int module)
{
    if (isModule(module))
        m_modules[std::size_t(module)] = true;
}

void TDeviceCollection::removeModule(int module)
{
    if (!isModule(module))
        return;
    m_modules[std::size_t(module)] = false;
    for (TDeviceItem &item : m_items)
        item.masks[std::size_t(module)] = {};
}

quint16 TDeviceCollection::relayZones(int slot, int module, int relay) const
{
    if (slot < 0 || slot >= kDeviceSlotCount || !isModule(module) || !isRelay(relay))
        return 0;
    const TDeviceItem &item = m_items[std::size_t(slot)];
    const RelayMasks &masks = item.masks[std::size_t(module)];
    const quint16 low = masks[std::size_t(2 * (relay - 1))];
    const quint16 high = item.type == kSlotSixteenZone ? masks[std::size_t(2 * (relay - 1) + 1)] : 0;
    return quint16(high << 8 | low);
}

void TDeviceCollection::setRelayZones(int slot, int module, int relay, quint16 zones)
{
    if (slot < 0 || slot >= kDeviceSlotCount || !isModule(module) || !isRelay(relay))
        return;
    TDeviceItem &item = m_items[std::size_t(slot)];
    RelayMasks &masks = item.masks[std::size_t(module)];
    masks[std::size_t(2 * (relay - 1))] = quint8(zones);
    masks[std::size_t(2 * (relay - 1) + 1)] = item.type == kSlotSixteenZone ? quint8(zones >> 8) : 0;
}

namespace {

// Every mask byte of the table with its offset in the memory image.
template <typename Items, typename Visit>
void forEachMaskByte(Items &items, Visit visit)
{
    for (int slot = 0; slot < kDeviceSlotCount; ++slot) {
        for (int module = 0; module < kModuleCount; ++module) {
            auto &masks = items[std::size_t(slot)].masks[std::size_t(module)];
            for (int relay = 1; relay <= kRelayCount; ++relay) {
                for (int half = 0; half < 2; ++half)
                    visit(maskOffset(module, relay, slot) + half, masks[std::size_t(2 * (relay - 1) + half)]);
            }
        }
    }
}

} // namespace

void TDeviceCollection::encode(QByteArray &image) const
{
    forEachMaskByte(m_items, [&](int offset, quint8 mask) { putByte(image, offset, mask); });
    std::array<quint8, kSlotTypesLength> types{};
    for (int slot = 1; slot < kDeviceSlotCount; ++slot)
        types[std::size_t(typeOffset(slot) - kSlotTypesOffset)] |= quint8(m_items[std::size_t(slot)].type << typeShift(slot));
    for (int i = 0; i < kSlotTypesLength; ++i)
        putByte(image, kSlotTypesOffset + i, types[std::size_t(i)]);
    quint8 modules = 0;
    for (int module = 0; module < kModuleCount; ++module) {
        if (m_modules[std::size_t(module)])
            modules |= quint8(kModulePresent << moduleShift(module));
    }
    putByte(image, kModulesOffset, modules);
}

void TDeviceCollection::decode(const QByteArray &image)
{
    forEachMaskByte(m_items, [&](int offset, quint8 &mask) { mask = byteAt(image, offset); });
    for (int slot = 1; slot < kDeviceSlotCount; ++slot) {
        const int type = byteAt(image, typeOffset(slot)) >> typeShift(slot) & 0x0F;
        showAsType(slot, type == kSlotEightZone || type == kSlotSixteenZone ? type : kSlotEmpty);
    }
    // After the masks: an absent module's masks are discarded.
    for (int module = 0; module < kModuleCount; ++module) {
        if ((byteAt(image, kModulesOffset) >> moduleShift(module) & 0x0F) == kModulePresent)
            addModule(module);
        else
            removeModule(module);
    }
}

DeviceMenuState deviceMenuState(const TDeviceCollection &table, int slot)
{
    if (slot < 1 || slot >= kDeviceSlotCount)
        return {}; // the panel itself cannot be changed
    const int type = table.item(slot).type;
    const int total = table.totalZones();
    DeviceMenuState menu;
    menu.remove = type != kSlotEmpty;
    if (total > kMaxSystemZones)
        return menu;
    constexpr int kLargestPanel = kSlotSixteenZone * kZonesPerType;
    if (kMaxSystemZones - total < kLargestPanel) {
        menu.addEightZone = total == kMaxSystemZones - kZonesPerType
                            || (total == kMaxSystemZones && type == kSlotSixteenZone);
        menu.addSixteenZone = total == kMaxSystemZones - kZonesPerType && type == kSlotEightZone;
    } else {
        menu.addEightZone = menu.addSixteenZone = true;
    }
    menu.addEightZone = menu.addEightZone && type != kSlotEightZone;
    menu.addSixteenZone = menu.addSixteenZone && type != kSlotSixteenZone;
    return menu;
}
