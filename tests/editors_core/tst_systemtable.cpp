// The 16.64P system table: the slot operations and the capacity rule of the slot menu.
#include "systemtable.h"

#include <QTest>

Q_DECLARE_METATYPE(TDeviceCollection)
Q_DECLARE_METATYPE(DeviceMenuState)

namespace {

// The table with the given remote slots (1 to 6) set to 8- or 16-zone panels.
TDeviceCollection tableOf(std::initializer_list<std::pair<int, int>> slotTypes)
{
    TDeviceCollection table;
    for (const auto &[slot, type] : slotTypes)
        table.setSlotType(slot, type);
    return table;
}

constexpr int k8 = kSlotEightZone;
constexpr int k16 = kSlotSixteenZone;

} // namespace

class TestSystemTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void capacityRule_data();
    void capacityRule();
    void panelSlotCannotChange();
    void eightZoneSlotStoresNoZonesAboveEight();
    void sixteenToEightKeepsTheStoredMasks();
    void removingAModuleClearsItInEverySlot();
    void emptyingASlotClearsBothModules();
};

void TestSystemTable::capacityRule_data()
{
    QTest::addColumn<TDeviceCollection>("table");
    QTest::addColumn<int>("slot");
    QTest::addColumn<DeviceMenuState>("menu"); // AddT8P, AddT16P, DeleteDev

    const TDeviceCollection six8 = tableOf({{1, k8}, {2, k8}, {3, k8}, {4, k8}, {5, k8}, {6, k8}});
    const TDeviceCollection three16 = tableOf({{1, k16}, {3, k16}, {5, k16}});
    const TDeviceCollection at56 = tableOf({{1, k16}, {2, k16}, {3, k8}});
    QTest::newRow("slot 0 of an empty system: nothing") << TDeviceCollection() << 0 << DeviceMenuState{};
    QTest::newRow("slot 0 of a full system: nothing") << six8 << 0 << DeviceMenuState{};
    QTest::newRow("empty slot, T = 16: both") << TDeviceCollection() << 1 << DeviceMenuState{true, true, false};
    QTest::newRow("8-zone slot, T = 24: to 16 or delete") << tableOf({{2, k8}}) << 2 << DeviceMenuState{false, true, true};
    QTest::newRow("16-zone slot, T = 32: to 8 or delete") << tableOf({{2, k16}}) << 2 << DeviceMenuState{true, false, true};
    QTest::newRow("empty slot, T = 48: a 16-zone fits exactly") << tableOf({{1, k16}, {2, k16}}) << 3
                                                                 << DeviceMenuState{true, true, false};
    for (int slot = 1; slot <= 6; ++slot)
        QTest::addRow("six 8-zone panels, slot %d: delete only", slot) << six8 << slot << DeviceMenuState{false, false, true};
    QTest::newRow("three 16-zone, occupied slot: to 8") << three16 << 3 << DeviceMenuState{true, false, true};
    QTest::newRow("three 16-zone, empty slot: nothing") << three16 << 2 << DeviceMenuState{};
    QTest::newRow("T = 56, empty slot: 8-zone only") << at56 << 4 << DeviceMenuState{true, false, false};
    QTest::newRow("T = 56, 8-zone slot: to 16") << at56 << 3 << DeviceMenuState{false, true, true};
    QTest::newRow("T = 56, 16-zone slot: to 8") << at56 << 1 << DeviceMenuState{true, false, true};
    // A table read from a device or file may hold more than 64 zones.
    const TDeviceCollection over64 = tableOf({{1, k16}, {2, k16}, {3, k16}, {4, k16}, {5, k16}, {6, k8}});
    QTest::newRow("T = 104, 16-zone slot: delete only") << over64 << 1 << DeviceMenuState{false, false, true};
    QTest::newRow("T = 104, 8-zone slot: delete only") << over64 << 6 << DeviceMenuState{false, false, true};
    QTest::newRow("T = 72, empty slot: nothing") << tableOf({{1, k16}, {2, k16}, {3, k16}, {4, k8}}) << 5
                                                << DeviceMenuState{};
    QTest::newRow("slot 7 does not exist") << TDeviceCollection() << 7 << DeviceMenuState{};
}

void TestSystemTable::capacityRule()
{
    QFETCH(TDeviceCollection, table);
    QFETCH(int, slot);
    QFETCH(DeviceMenuState, menu);
    const DeviceMenuState state = deviceMenuState(table, slot);
    QCOMPARE(state.addEightZone, menu.addEightZone);
    QCOMPARE(state.addSixteenZone, menu.addSixteenZone);
    QCOMPARE(state.remove, menu.remove);
}

void TestSystemTable::panelSlotCannotChange()
{
    TDeviceCollection table;
    table.setSlotType(0, k8);
    table.emptySlot(0);
    QCOMPARE(int(table.item(0).type), k16);
    QCOMPARE(table.totalZones(), 16);
}

void TestSystemTable::eightZoneSlotStoresNoZonesAboveEight()
{
    TDeviceCollection table = tableOf({{4, k8}});
    table.setRelayZones(4, 1, 5, 0xABCD);
    QCOMPARE(table.item(4).masks[1][8], quint8(0xCD));
    QCOMPARE(table.item(4).masks[1][9], quint8(0));
    QCOMPARE(table.relayZones(4, 1, 5), quint16(0x00CD));
}

// The view then shows zones 1 to 8; 9 to 16 stay stored (and written) until the relay is
// edited again.
void TestSystemTable::sixteenToEightKeepsTheStoredMasks()
{
    TDeviceCollection table = tableOf({{2, k16}});
    table.setRelayZones(2, 0, 8, 0x8101);
    table.setSlotType(2, k8);
    QCOMPARE(table.totalZones(), 24);
    QCOMPARE(table.relayZones(2, 0, 8), quint16(0x0001));
    QCOMPARE(table.item(2).masks[0][15], quint8(0x81));
    table.setRelayZones(2, 0, 8, 0x0003);
    QCOMPARE(table.item(2).masks[0][15], quint8(0));
}

void TestSystemTable::removingAModuleClearsItInEverySlot()
{
    TDeviceCollection table = tableOf({{1, k16}, {6, k8}});
    table.addModule(0);
    table.addModule(1);
    for (int slot : {0, 1, 6}) {
        table.setRelayZones(slot, 0, 1, 0x00FF);
        table.setRelayZones(slot, 1, 2, 0x0011);
    }
    table.removeModule(0);
    QVERIFY(!table.modulePresent(0));
    for (int slot : {0, 1, 6}) {
        QCOMPARE(table.item(slot).masks[0], RelayMasks{});
        QCOMPARE(table.relayZones(slot, 1, 2), quint16(0x0011));
    }
    table.addModule(0);
    QCOMPARE(table.relayZones(1, 0, 1), quint16(0)); // added again: empty masks
}

void TestSystemTable::emptyingASlotClearsBothModules()
{
    TDeviceCollection table = tableOf({{3, k16}});
    table.setRelayZones(3, 0, 1, 0xFFFF);
    table.setRelayZones(3, 1, 8, 0xFFFF);
    table.setRelayZones(2, 0, 1, 0x0001); // an empty slot's masks, as a file may hold them
    table.emptySlot(3);
    QCOMPARE(table.item(3), TDeviceItem());
    QCOMPARE(table.item(2).masks[0][0], quint8(0x01));
    QCOMPARE(table.totalZones(), 16);
}

QTEST_APPLESS_MAIN(TestSystemTable)
#include "tst_systemtable.moc"
