#include "archiveform.h"

#include "archivetexts.h"
#include "eventcommands.h"
#include "eventlist.h"
#include "fieldsdialog.h"
#include "recordtree.h"
#include "searchpanel.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QList<TextField> deviceFields(const DeviceInfo &info)
{
    return {{QStringLiteral("Місце:"), QStringLiteral("edPlace"), info.place},
            {QStringLiteral("Примітки:"), QStringLiteral("edDeviceNotes"), info.notes, true}};
}

// Found events are named by their site and model as well.
QStringList foundEventHeaders()
{
    return QStringList{QStringLiteral("Об'єкт"), QStringLiteral("Прилад")} + timelineHeaders();
}

} // namespace

TArchiveForm::TArchiveForm(SiteArchive &archive, ArchiveWindowHost &host, QWidget *parent)
    : QWidget(parent),
      m_archive(archive),
      m_owners(archive),
      m_search(new ArchiveSearchPanel(this)),
      m_showArchived(new QCheckBox(QStringLiteral("показати приховані"), this)),
      m_commands(new EventCommands(archive, host, m_owners, this)),
      m_note(new QLabel(this))
{
    setObjectName(QStringLiteral("ArchiveForm"));
    setWindowTitle(QStringLiteral("Архів об'єктів"));
    m_showArchived->setObjectName(QStringLiteral("ckShowArchived"));
    m_note->setObjectName(QStringLiteral("lbNote"));
    m_note->setWordWrap(true);

    auto *lists = new QSplitter(Qt::Horizontal, this);
    lists->addWidget(makeSitesBox());
    lists->addWidget(makeDevicesBox());
    auto *panes = new QSplitter(Qt::Vertical, this);
    panes->addWidget(lists);
    panes->addWidget(makeEventsBox());
    panes->addWidget(m_foundBox);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_search);
    layout->addWidget(m_showArchived);
    layout->addWidget(panes, 1);
    layout->addWidget(makeActionButtons(m_commands->actions(), this));
    layout->addWidget(m_note);

    connect(m_search, &ArchiveSearchPanel::searchRequested, this, &TArchiveForm::search);
    connect(m_showArchived, &QCheckBox::toggled, this, [this] { refresh(currentRecordId(*m_sites)); });
    connect(m_commands, &EventCommands::noted, m_note, &QLabel::setText);
    search();
}

TArchiveForm::~TArchiveForm() = default;

QAction *TArchiveForm::addRecordAction(const QString &text, const QString &name, void (TArchiveForm::*slot)())
{
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

QWidget *TArchiveForm::makeSitesBox()
{
    m_sites = makeRecordTree(QStringLiteral("twSites"), siteHeaders(), this);
    QAction *add = addRecordAction(QStringLiteral("Новий об'єкт…"), QStringLiteral("actAddSite"), &TArchiveForm::addSite);
    m_editSite = addRecordAction(QStringLiteral("Змінити об'єкт…"), QStringLiteral("actEditSite"), &TArchiveForm::editSite);
    m_toggleSite = addRecordAction(QStringLiteral("Приховати об'єкт"), QStringLiteral("actToggleSite"),
                                   &TArchiveForm::toggleSiteArchived);
    const QList<QAction *> actions{add, m_editSite, m_toggleSite};
    m_sites->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_sites->addActions(actions);
    connect(m_sites, &QTreeWidget::currentItemChanged, this, &TArchiveForm::siteChosen);
    return makeGroupBox(QStringLiteral("Об'єкти"), {m_sites, makeActionButtons(actions, this)}, this);
}

QWidget *TArchiveForm::makeDevicesBox()
{
    m_devices = makeRecordTree(QStringLiteral("twDevices"), deviceHeaders(), this);
    m_editDevice = addRecordAction(QStringLiteral("Змінити прилад…"), QStringLiteral("actEditDevice"), &TArchiveForm::editDevice);
    m_toggleDevice = addRecordAction(QStringLiteral("Приховати прилад"), QStringLiteral("actToggleDevice"),
                                     &TArchiveForm::toggleDeviceArchived);
    const QList<QAction *> actions{m_editDevice, m_toggleDevice};
    m_devices->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_devices->addActions(actions);
    connect(m_devices, &QTreeWidget::currentItemChanged, this, [this] { deviceChosen(); });
    return makeGroupBox(QStringLiteral("Прилади об'єкта"), {m_devices, makeActionButtons(actions, this)}, this);
}

// The device's time line, and the events a search found (shown only after such a search).
QWidget *TArchiveForm::makeEventsBox()
{
    m_timeline = new EventList(QStringLiteral("Timeline"), timelineHeaders(),
                               [](const EventRecord &record) { return timelineCells(record); }, this);
    m_found = new EventList(QStringLiteral("Found"), foundEventHeaders(), [this](const EventRecord &record) {
        const EventOwner owner = m_owners.of(record.event.device).value;
        return QStringList{ownerText(owner), deviceTitle(record.event.typeCode, record.event.variant)} + timelineCells(record);
    }, this);
    for (EventList *list : {m_timeline, m_found}) {
        list->tree()->setContextMenuPolicy(Qt::ActionsContextMenu);
        list->tree()->addActions(m_commands->actions());
        connect(list, &EventList::currentChanged, this, [this, list] { eventChosen(list); });
    }
    m_foundBox = makeGroupBox(QStringLiteral("Знайдені події"), {m_found}, this);
    m_foundBox->setObjectName(QStringLiteral("grFoundEvents"));
    return makeGroupBox(QStringLiteral("Історія приладу"), {m_timeline}, this);
}

void TArchiveForm::search()
{
    m_lastSearch = m_search->form(false);
    refresh(currentRecordId(*m_sites));
}

void TArchiveForm::refresh(SiteId site)
{
    SearchForm form = m_lastSearch;
    form.includeArchived = m_showArchived->isChecked();
    const ArchiveResult<QList<SiteRecord>> sites = m_archive.findSites(siteQuery(form));
    if (reportFailure(sites.error))
        return;
    m_siteRecords = sites.value;
    m_owners.forget(); // others may have edited sites on a shared archive
    fillRecords(*m_sites, m_siteRecords, siteCells, site);
    siteChosen();
    m_foundBox->setVisible(hasEventConditions(form));
    if (hasEventConditions(form))
        m_found->showPages(EventPages::found(m_archive, eventQuery(form)));
    else
        m_found->clear();
}

void TArchiveForm::siteChosen()
{
    showDevices(currentRecordId(*m_devices));
}

void TArchiveForm::showDevices(DeviceId current)
{
    m_deviceRecords.clear();
    if (const SiteId site = currentRecordId(*m_sites)) {
        const ArchiveResult<QList<DeviceRecord>> devices = m_archive.devices(site, m_showArchived->isChecked());
        if (!reportFailure(devices.error))
            m_deviceRecords = devices.value;
    }
    fillRecords(*m_devices, m_deviceRecords, deviceCells, current);
    deviceChosen();
}

void TArchiveForm::deviceChosen()
{
    updateRecordActions();
    if (const DeviceId device = currentRecordId(*m_devices))
        m_timeline->showPages(EventPages::history(m_archive, device));
    else
        m_timeline->clear();
}

// A list emptied or refilled leaves the commands alone unless they act on its event.
void TArchiveForm::eventChosen(EventList *list)
{
    if (list->current())
        m_eventSource = list;
    if (list == m_eventSource)
        m_commands->setCurrent(list->current());
}

void TArchiveForm::updateRecordActions()
{
    const SiteRecord *site = currentRecord(*m_sites, m_siteRecords);
    const DeviceRecord *device = currentRecord(*m_devices, m_deviceRecords);
    m_editSite->setEnabled(site);
    m_toggleSite->setEnabled(site);
    m_toggleSite->setText(site && site->archived ? QStringLiteral("Повернути об'єкт") : QStringLiteral("Приховати об'єкт"));
    m_editDevice->setEnabled(device);
    m_toggleDevice->setEnabled(device);
    m_toggleDevice->setText(device && device->archived ? QStringLiteral("Повернути прилад") : QStringLiteral("Приховати прилад"));
}

// A new site is shown whatever the last search was: the search starts again from all sites.
void TArchiveForm::addSite()
{
    const std::optional<QStringList> values = FieldsDialog::edit(QStringLiteral("Новий об'єкт"), siteFields({}), this);
    if (!values)
        return;
    const ArchiveResult<SiteId> added = m_archive.addSite(siteInfoOf(*values));
    if (reportFailure(added.error))
        return;
    m_search->clear();
    m_lastSearch = SearchForm{};
    refresh(added.value);
}

bool TArchiveForm::editRecord(const QString &caption, const QList<TextField> &fields,
                              const std::function<ArchiveError(const QStringList &)> &store)
{
    const std::optional<QStringList> values = FieldsDialog::edit(caption, fields, this);
    if (!values || reportFailure(store(*values)))
        return false;
    m_owners.forget();
    return true;
}

void TArchiveForm::editSite()
{
    const SiteRecord site = *currentRecord(*m_sites, m_siteRecords);
    if (editRecord(QStringLiteral("Об'єкт"), siteFields(site.info),
                   [&](const QStringList &values) { return m_archive.updateSite(site.id, siteInfoOf(values)); }))
        refresh(site.id);
}

void TArchiveForm::toggleSiteArchived()
{
    const SiteRecord site = *currentRecord(*m_sites, m_siteRecords);
    if (!reportFailure(m_archive.setSiteArchived(site.id, !site.archived)))
        refresh(site.id);
}

void TArchiveForm::editDevice()
{
    const DeviceRecord device = *currentRecord(*m_devices, m_deviceRecords);
    if (editRecord(QStringLiteral("Прилад"), deviceFields(device.info), [&](const QStringList &values) {
            return m_archive.updateDevice(device.id, values.value(0), values.value(1));
        }))
        showDevices(device.id);
}

void TArchiveForm::toggleDeviceArchived()
{
    const DeviceRecord device = *currentRecord(*m_devices, m_deviceRecords);
    if (!reportFailure(m_archive.setDeviceArchived(device.id, !device.archived)))
        showDevices(device.id);
}

TArchiveForm *showArchive(QMdiArea &area, SiteArchive &archive, ArchiveWindowHost &host)
{
    QMdiSubWindow *frame = nullptr;
    for (QMdiSubWindow *sub : area.subWindowList())
        frame = qobject_cast<TArchiveForm *>(sub->widget()) ? sub : frame;
    if (!frame) {
        frame = area.addSubWindow(new TArchiveForm(archive, host));
        frame->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (frame->isMinimized())
        frame->showNormal();
    else
        frame->show();
    area.setActiveSubWindow(frame);
    return static_cast<TArchiveForm *>(frame->widget());
}
