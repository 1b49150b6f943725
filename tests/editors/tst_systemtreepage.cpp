// The "приписка ППКП" page of the 16.64P editor: tree nodes, menus, and the relay view.
#include "systemtreepage.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

class TstSystemTreePage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void createdWithThePanelAlone();
    void panelSlotMenuIsDisabled();
    void addedPanelAndModuleShowTheRelayView();
    void eightZoneSlotHidesZonesNineToSixteen();
    void boxClickIsStoredAndTabShowsItsRelay();
    void removingTheModuleClearsAndHides();
    void loadedTableSelectsFirstNodesAndKeepsTheTab();

private:
    QTreeWidget *tree(const char *name) const { return m_page->findChild<QTreeWidget *>(name); }
    QAction *action(const char *name) const { return m_page->findChild<QAction *>(name); }
    QCheckBox *zoneBox(int zone) const { return m_page->findChild<QCheckBox *>(QStringLiteral("ckb%1").arg(zone)); }
    QWidget *relayView() const { return m_page->findChild<QWidget *>("tbRele"); }
    QTabBar *relayTabs() const { return m_page->findChild<QTabBar *>("tbReleTabs"); }
    QString label(const char *name) const { return m_page->findChild<QLabel *>(name)->text(); }
    void select(const char *treeName, int node) { tree(treeName)->setCurrentItem(tree(treeName)->topLevelItem(node)); }
    // Selects the node and triggers a menu item on it, as its popup menu would.
    void use(const char *treeName, int node, const char *item);

    std::unique_ptr<SystemTreePage> m_page;
};

void TstSystemTreePage::init()
{
    m_page = std::make_unique<SystemTreePage>();
    m_page->show();
}

void TstSystemTreePage::cleanup()
{
    m_page.reset();
}

void TstSystemTreePage::use(const char *treeName, int node, const char *item)
{
    select(treeName, node);
    m_page->pmTrvDevPopup();
    m_page->pmTrvRVMPopup();
    QVERIFY2(action(item)->isEnabled(), item);
    action(item)->trigger();
}

void TstSystemTreePage::createdWithThePanelAlone()
{
    QCOMPARE(tree("trvDevices")->topLevelItemCount(), 7);
    QCOMPARE(tree("trvDevices")->topLevelItem(0)->text(0), QStringLiteral("Корвел - 16.64П"));
    for (int slot = 1; slot < 7; ++slot)
        QCOMPARE(tree("trvDevices")->topLevelItem(slot)->text(0), QStringLiteral("(пусто)"));
    QCOMPARE(tree("trvRVM")->topLevelItem(1)->text(0), QStringLiteral("(пусто)"));
    QVERIFY(!relayView()->isVisible());
}

void TstSystemTreePage::panelSlotMenuIsDisabled()
{
    select("trvDevices", 0);
    m_page->pmTrvDevPopup();
    for (const char *item : {"AddT8P", "AddT16P", "DeleteDev"})
        QVERIFY2(!action(item)->isEnabled(), item);
}

void TstSystemTreePage::addedPanelAndModuleShowTheRelayView()
{
    use("trvDevices", 2, "AddT16P");
    QCOMPARE(tree("trvDevices")->topLevelItem(2)->text(0), QStringLiteral("Корвел-16П"));
    QVERIFY(!relayView()->isVisible()); // no module yet
    use("trvRVM", 1, "AddRVM");
    QCOMPARE(tree("trvRVM")->topLevelItem(1)->text(0), QStringLiteral("РВМ-8"));
    select("trvDevices", 2);
    QVERIFY(relayView()->isVisible());
    QCOMPARE(label("stDev"), QStringLiteral("3. Корвел-16П"));
    QCOMPARE(label("stRVM"), QStringLiteral("2. РВМ-8"));
    QVERIFY(zoneBox(16)->isVisible());
    select("trvDevices", 4); // empty slot
    QVERIFY(!relayView()->isVisible());
}

void TstSystemTreePage::eightZoneSlotHidesZonesNineToSixteen()
{
    use("trvDevices", 1, "AddT8P");
    use("trvRVM", 0, "AddRVM");
    select("trvDevices", 1);
    QVERIFY(zoneBox(8)->isVisible());
    QVERIFY(!zoneBox(9)->isVisible());
    zoneBox(8)->click();
    QCOMPARE(m_page->table().item(1).masks[0][0], quint8(0x80));
    QCOMPARE(m_page->table().item(1).masks[0][1], quint8(0));
}

void TstSystemTreePage::boxClickIsStoredAndTabShowsItsRelay()
{
    use("trvRVM", 0, "AddRVM");
    select("trvDevices", 0);
    relayTabs()->setCurrentIndex(2);
    zoneBox(12)->click();
    QCOMPARE(m_page->table().relayZones(0, 0, 3), quint16(0x0800));
    relayTabs()->setCurrentIndex(3);
    QVERIFY(!zoneBox(12)->isChecked());
    relayTabs()->setCurrentIndex(2);
    QVERIFY(zoneBox(12)->isChecked());
}

void TstSystemTreePage::removingTheModuleClearsAndHides()
{
    use("trvDevices", 5, "AddT16P");
    use("trvRVM", 0, "AddRVM");
    use("trvRVM", 1, "AddRVM");
    select("trvDevices", 5);
    zoneBox(1)->click();
    select("trvRVM", 0);
    zoneBox(2)->click();
    use("trvRVM", 0, "DeleteRVM");
    QCOMPARE(tree("trvRVM")->topLevelItem(0)->text(0), QStringLiteral("(пусто)"));
    QVERIFY(!relayView()->isVisible());
    QCOMPARE(m_page->table().relayZones(5, 0, 1), quint16(0));
    QCOMPARE(m_page->table().relayZones(5, 1, 1), quint16(0x0001));
    m_page->pmTrvRVMPopup();
    QVERIFY(action("AddRVM")->isEnabled());
    QVERIFY(!action("DeleteRVM")->isEnabled());
}

void TstSystemTreePage::loadedTableSelectsFirstNodesAndKeepsTheTab()
{
    relayTabs()->setCurrentIndex(5);
    select("trvDevices", 4);
    TDeviceCollection table;
    table.setSlotType(3, kSlotEightZone);
    table.addModule(0);
    table.setRelayZones(0, 0, 6, 0x0003);
    m_page->setTable(table);
    QCOMPARE(tree("trvDevices")->currentItem(), tree("trvDevices")->topLevelItem(0));
    QCOMPARE(tree("trvDevices")->topLevelItem(3)->text(0), QStringLiteral("Корвел-8П"));
    QCOMPARE(relayTabs()->currentIndex(), 5);
    QVERIFY(relayView()->isVisible());
    QVERIFY(zoneBox(1)->isChecked() && zoneBox(2)->isChecked() && !zoneBox(3)->isChecked());
}

QTEST_MAIN(TstSystemTreePage)
#include "tst_systemtreepage.moc"
