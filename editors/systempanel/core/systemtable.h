#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The system table of the 16.64P panel: seven device slots (slot 0 the panel itself, slots
// 1 to 6 remote 8- or 16-zone panels) and two 8-relay modules "РВМ-8", each relay switched
// by any set of zones of any panel of the system, at most 64 zones in all.

inline constexpr int kDeviceSlotCount = 7;
inline constexpr int kRemoteSlotCount = kDeviceSlotCount - 1;
inline constexpr int kModuleCount = 2;
inline constexpr int kRelayCount = 8;
inline constexpr int kMaxSystemZones = 64;

enum DeviceSlotType : quint8 {
    kSlotEmpty = 0,
    kSlotEightZone = 1,   // "Корвел-8П"
    kSlotSixteenZone = 2, // "Корвел-16П", and the panel itself
};

// What the system tree shows for a slot of the type, and for a present module.
QString deviceSlotName(int slot, int type); // "Корвел - 16.64П" (slot 0), "Корвел-8П", "(пусто)"
inline const QString kModuleName = QStringLiteral("РВМ-8");
inline const QString kEmptyNodeName = QStringLiteral("(пусто)");

using RelayMasks = std::array<quint8, 2 * kRelayCount>; // per relay: zones 1-8, then 9-16

struct TDeviceItem {
    quint8 type = kSlotEmpty;
    quint8 zoneCount = 0; // 8 x type
    std::array<RelayMasks, kModuleCount> masks{};

    friend bool operator==(const TDeviceItem &, const TDeviceItem &) = default;
};

class TDeviceCollection
{
public:
    TDeviceCollection(); // the panel in slot 0, slots 1 to 6 empty, no modules

    const TDeviceItem &item(int slot) const;
    // Zone counts of all seven slots, the panel's 16 included.
    int totalZones() const;

    // Remote slots 1 to 6 only; slot 0 is always the panel itself.
    void setSlotType(int slot, int type); // type 1 or 2; the masks are kept
    void emptySlot(int slot);             // clears the slot's masks of both modules

    bool modulePresent(int module) const;
    void addModule(int module);
    void removeModule(int module); // clears that module's masks in all seven slots

    // The zones (bit z - 1) of the slot that switch relay 1 to 8 of the module, as the relay
    // view shows them: zones 9 to 16 only for a 16-zone slot.
    quint16 relayZones(int slot, int module, int relay) const;
    // Stores the relay view's zones; the byte of zones 9 to 16 is 0 unless the slot is a
    // 16-zone one.
    void setRelayZones(int slot, int module, int relay, quint16 zones);

    // The table's bytes of the memory image (relay masks, slot types, module presence).
    void encode(QByteArray &memoryImage) const;
    // Replaces the table from a memory image. A slot type the table does not know shows as
    // an empty slot; the masks of an empty slot are kept, those of an absent module cleared.
    void decode(const QByteArray &memoryImage);

    friend bool operator==(const TDeviceCollection &, const TDeviceCollection &) = default;

private:
    static bool isRemote(int slot) { return slot >= 1 && slot < kDeviceSlotCount; }
    static bool isModule(int module) { return module >= 0 && module < kModuleCount; }
    static bool isRelay(int relay) { return relay >= 1 && relay <= kRelayCount; }
    void showAsType(int slot, int type);

    std::array<TDeviceItem, kDeviceSlotCount> m_items;
    std::array<bool, kModuleCount> m_modules{};
};

// Which items of the slot menu (`pmTrvDev`) are enabled for the selected slot. A system
// never grows past 64 zones through them; a table loaded with more keeps every slot, but
// nothing can be added until deletions bring it back within 64.
struct DeviceMenuState {
    bool addEightZone = false;   // AddT8P
    bool addSixteenZone = false; // AddT16P
    bool remove = false;         // DeleteDev

    friend bool operator==(const DeviceMenuState &, const DeviceMenuState &) = default;
};
DeviceMenuState deviceMenuState(const TDeviceCollection &table, int slot);
