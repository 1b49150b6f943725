#include "systemtreepage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kNoIcon = -1;
constexpr int kIconRole = Qt::UserRole; // the node's icon number, kNoIcon for none

struct NodeLook {
    QString text;
    int icon;
};

// Icons 0 to 3: 8-zone panel, 16-zone panel, the panel itself, relay module.
QIcon nodeIcon(int icon)
{
    static const QStyle::StandardPixmap pixmaps[] = {QStyle::SP_DriveHDIcon, QStyle::SP_DriveNetIcon,
                                                     QStyle::SP_ComputerIcon, QStyle::SP_DialogApplyButton};
    return icon == kNoIcon ? QIcon() : QApplication::style()->standardIcon(pixmaps[icon]);
}

NodeLook slotLook(int slot, int type)
{
    if (slot == 0)
        return {deviceSlotName(slot, type), 2};
    const int icon = type == kSlotEightZone ? 0 : type == kSlotSixteenZone ? 1 : kNoIcon;
    return {deviceSlotName(slot, type), icon};
}

void showLook(QTreeWidgetItem *node, const NodeLook &look)
{
    node->setText(0, look.text);
    node->setIcon(0, nodeIcon(look.icon));
    node->setData(0, kIconRole, look.icon);
}

QTreeWidget *createTree(const QString &name, int nodes)
{
    auto *tree = new QTreeWidget;
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(false);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    for (int i = 0; i < nodes; ++i)
        new QTreeWidgetItem(tree);
    return tree;
}

int selectedIndex(const QTreeWidget *tree)
{
    QTreeWidgetItem *node = tree->currentItem();
    return node ? tree->indexOfTopLevelItem(node) : -1;
}

} // namespace

SystemTreePage::SystemTreePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnPPKP"));
    auto *heading = new QLabel(QStringLiteral("Приписка віддалених ППКП\nта РВМ - 8"));
    heading->setAlignment(Qt::AlignCenter);
    auto *trees = new QHBoxLayout;
    trees->addWidget(createDeviceTree());
    trees->addWidget(createModuleTree());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(trees);
    layout->addWidget(createRelayView());
    layout->addStretch();
    setTable(m_table);
}

QAction *SystemTreePage::createAction(const QString &name, const QString &text,
                                      const std::function<void()> &handler)
{
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

// Before its menu opens, a tree selects the node under the mouse.
QMenu *SystemTreePage::createMenu(QTreeWidget *tree, std::initializer_list<QAction *> items)
{
    auto *menu = new QMenu(this);
    for (QAction *item : items) {
        if (item)
            menu->addAction(item);
        else
            menu->addSeparator();
    }
    connect(tree, &QWidget::customContextMenuRequested, this, [this, tree, menu](const QPoint &at) {
        if (QTreeWidgetItem *node = tree->itemAt(at))
            tree->setCurrentItem(node);
        if (tree == m_devices)
            pmTrvDevPopup();
        else
            pmTrvRVMPopup();
        menu->exec(tree->viewport()->mapToGlobal(at));
    });
    return menu;
}

QWidget *SystemTreePage::createDeviceTree()
{
    m_devices = createTree(QStringLiteral("trvDevices"), kDeviceSlotCount);
    const auto setType = [this](int type) {
        return [this, type] { editSelected(m_devices, [this, type](int slot) { m_table.setSlotType(slot, type); }); };
    };
    m_addEightZone = createAction(QStringLiteral("AddT8P"), QStringLiteral("Добавити Корвел - 8П"),
                                  setType(kSlotEightZone));
    m_addSixteenZone = createAction(QStringLiteral("AddT16P"), QStringLiteral("Добавити Корвел - 16П"),
                                    setType(kSlotSixteenZone));
    m_deleteDevice = createAction(QStringLiteral("DeleteDev"), QStringLiteral("Видалити прилад"), [this] {
        editSelected(m_devices, [this](int slot) { m_table.emptySlot(slot); });
    });
    m_deviceMenu = createMenu(m_devices, {m_addEightZone, m_addSixteenZone, nullptr, m_deleteDevice});
    m_deviceMenu->setObjectName(QStringLiteral("pmTrvDev"));
    connect(m_devices, &QTreeWidget::currentItemChanged, this, &SystemTreePage::refreshRelayView);
    connect(m_devices, &QTreeWidget::itemClicked, this, &SystemTreePage::refreshRelayView);
    return m_devices;
}

QWidget *SystemTreePage::createModuleTree()
{
    m_modules = createTree(QStringLiteral("trvRVM"), kModuleCount);
    m_addModule = createAction(QStringLiteral("AddRVM"), QStringLiteral("Добавити РВМ-8"), [this] {
        editSelected(m_modules, [this](int module) { m_table.addModule(module); });
    });
    m_deleteModule = createAction(QStringLiteral("DeleteRVM"), QStringLiteral("Видалити РВМ-8"), [this] {
        editSelected(m_modules, [this](int module) { m_table.removeModule(module); });
    });
    m_moduleMenu = createMenu(m_modules, {m_addModule, nullptr, m_deleteModule});
    m_moduleMenu->setObjectName(QStringLiteral("pmTrvRVM"));
    connect(m_modules, &QTreeWidget::currentItemChanged, this, &SystemTreePage::refreshRelayView);
    connect(m_modules, &QTreeWidget::itemClicked, this, &SystemTreePage::refreshRelayView);
    return m_modules;
}

QWidget *SystemTreePage::createRelayView()
{
    m_relayView = new QWidget;
    m_relayView->setObjectName(QStringLiteral("tbRele"));
    m_relayTabs = new QTabBar;
    m_relayTabs->setObjectName(QStringLiteral("tbReleTabs"));
    for (int relay = 1; relay <= kRelayCount; ++relay)
        m_relayTabs->addTab(QStringLiteral("Реле %1").arg(relay));
    connect(m_relayTabs, &QTabBar::currentChanged, this, &SystemTreePage::ReadFromArray);
    m_deviceCaption = new QLabel;
    m_deviceCaption->setObjectName(QStringLiteral("stDev"));
    m_moduleCaption = new QLabel;
    m_moduleCaption->setObjectName(QStringLiteral("stRVM"));
    auto *boxes = new QGridLayout;
    for (int zone = 1; zone <= int(m_zoneBoxes.size()); ++zone) {
        auto *box = new QCheckBox(QStringLiteral("зона %1").arg(zone));
        box->setObjectName(QStringLiteral("ckb%1").arg(zone));
        connect(box, &QCheckBox::clicked, this, &SystemTreePage::WriteToArray);
        boxes->addWidget(box, (zone - 1) / 8, (zone - 1) % 8);
        m_zoneBoxes[std::size_t(zone - 1)] = box;
    }
    auto *layout = new QVBoxLayout(m_relayView);
    layout->addWidget(m_relayTabs);
    layout->addWidget(m_deviceCaption);
    layout->addWidget(m_moduleCaption);
    layout->addLayout(boxes);
    return m_relayView;
}

void SystemTreePage::setTable(const TDeviceCollection &table)
{
    m_table = table;
    for (int slot = 0; slot < kDeviceSlotCount; ++slot)
        showSlot(slot);
    for (int module = 0; module < kModuleCount; ++module)
        showModule(module);
    m_devices->setCurrentItem(m_devices->topLevelItem(0));
    m_modules->setCurrentItem(m_modules->topLevelItem(0));
    refreshRelayView();
}

void SystemTreePage::selectPanelIfNone()
{
    if (selectedSlot() < 0)
        m_devices->setCurrentItem(m_devices->topLevelItem(0));
}

void SystemTreePage::showSlot(int slot)
{
    showLook(m_devices->topLevelItem(slot), slotLook(slot, m_table.item(slot).type));
}

void SystemTreePage::showModule(int module)
{
    const bool present = m_table.modulePresent(module);
    showLook(m_modules->topLevelItem(module), present ? NodeLook{kModuleName, 3} : NodeLook{kEmptyNodeName, kNoIcon});
}

int SystemTreePage::selectedSlot() const
{
    return selectedIndex(m_devices);
}

int SystemTreePage::selectedModule() const
{
    return selectedIndex(m_modules);
}

int SystemTreePage::selectedRelay() const
{
    return m_relayTabs->currentIndex() + 1;
}

void SystemTreePage::pmTrvDevPopup()
{
    const DeviceMenuState state = deviceMenuState(m_table, selectedSlot());
    m_addEightZone->setEnabled(state.addEightZone);
    m_addSixteenZone->setEnabled(state.addSixteenZone);
    m_deleteDevice->setEnabled(state.remove);
}

void SystemTreePage::pmTrvRVMPopup()
{
    const int module = selectedModule();
    m_addModule->setEnabled(module >= 0 && !m_table.modulePresent(module));
    m_deleteModule->setEnabled(m_table.modulePresent(module));
}

void SystemTreePage::editSelected(QTreeWidget *tree, const std::function<void(int)> &edit)
{
    const int node = selectedIndex(tree);
    if (node < 0)
        return;
    edit(node);
    if (tree == m_devices)
        showSlot(node);
    else
        showModule(node);
    refreshRelayView();
    Q_EMIT changed();
}

void SystemTreePage::refreshRelayView()
{
    const int module = selectedModule();
    if (module < 0)
        return;
    const int slot = selectedSlot();
    const int type = slot < 0 ? int(kSlotEmpty) : int(m_table.item(slot).type);
    if (!m_table.modulePresent(module) || type == kSlotEmpty) {
        m_relayView->hide();
        return;
    }
    m_deviceCaption->setText(QStringLiteral("%1. %2").arg(slot + 1).arg(m_devices->topLevelItem(slot)->text(0)));
    m_moduleCaption->setText(QStringLiteral("%1. %2").arg(module + 1).arg(kModuleName));
    for (std::size_t i = 8; i < m_zoneBoxes.size(); ++i)
        m_zoneBoxes[i]->setVisible(type != kSlotEightZone);
    m_relayView->show();
    ReadFromArray();
}

void SystemTreePage::ReadFromArray()
{
    const int slot = selectedSlot();
    const quint16 zones = m_table.relayZones(slot, selectedModule(), selectedRelay());
    const bool sixteen = slot >= 0 && m_table.item(slot).type == kSlotSixteenZone;
    for (std::size_t i = 0; i < m_zoneBoxes.size(); ++i) {
        if (i < 8 || sixteen)
            m_zoneBoxes[i]->setChecked(zones & (1u << i));
    }
}

void SystemTreePage::WriteToArray()
{
    quint16 zones = 0;
    for (std::size_t i = 0; i < m_zoneBoxes.size(); ++i) {
        if (m_zoneBoxes[i]->isChecked())
            zones |= quint16(1u << i);
    }
    m_table.setRelayZones(selectedSlot(), selectedModule(), selectedRelay(), zones);
    Q_EMIT changed();
}
