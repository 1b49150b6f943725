#pragma once

#include "systemtable.h"

#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;

// The "приписка ППКП" page of the 16.64P editor: the device slots (trvDevices), the relay
// modules (trvRVM) and the relay view (tbRele) with the zone boxes ckb1 to ckb16 of the
// selected relay. It edits the system table it holds and says so after every edit.
class SystemTreePage : public QWidget
{
    Q_OBJECT
public:
    explicit SystemTreePage(QWidget *parent = nullptr);

    const TDeviceCollection &table() const { return m_table; }
    // Takes a table read from a device or file: the trees show it, their first nodes are
    // selected and the relay view follows; the relay tab stays.
    void setTable(const TDeviceCollection &table);
    // Selects slot 0 when no slot is selected (the page is being shown).
    void selectPanelIfNone();

    // The menus' items, enabled for the selected nodes (what opening the menus does).
    void pmTrvDevPopup();
    void pmTrvRVMPopup();

    // Store / load the zone boxes of the selected relay.
    void WriteToArray();
    void ReadFromArray();

Q_SIGNALS:
    // The user added or deleted a panel or a relay module, or changed a relay's zones.
    void changed();

private:
    QWidget *createDeviceTree();
    QWidget *createModuleTree();
    QWidget *createRelayView();
    QMenu *createMenu(QTreeWidget *tree, std::initializer_list<QAction *> items);
    QAction *createAction(const QString &name, const QString &text, const std::function<void()> &handler);

    // Menu items: change the selected node of the tree, show it, refresh the relay view.
    void editSelected(QTreeWidget *tree, const std::function<void(int node)> &edit);
    void showSlot(int slot);
    void showModule(int module);
    void refreshRelayView();
    int selectedSlot() const;
    int selectedModule() const;
    int selectedRelay() const;

    TDeviceCollection m_table;
    QTreeWidget *m_devices = nullptr;
    QTreeWidget *m_modules = nullptr;
    QMenu *m_deviceMenu = nullptr;
    QMenu *m_moduleMenu = nullptr;
    QAction *m_addEightZone = nullptr;
    QAction *m_addSixteenZone = nullptr;
    QAction *m_deleteDevice = nullptr;
    QAction *m_addModule = nullptr;
    QAction *m_deleteModule = nullptr;
    QWidget *m_relayView = nullptr;
    QTabBar *m_relayTabs = nullptr;
    QLabel *m_deviceCaption = nullptr;
    QLabel *m_moduleCaption = nullptr;
    std::array<QCheckBox *, 16> m_zoneBoxes{};
};
