#pragma once

#include "eventactions.h"
#include "searchform.h"

#include <QWidget>
#include <functional>

class ArchiveSearchPanel;
class ArchiveWindowHost;
class EventCommands;
class EventList;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMdiArea;
class QTreeWidget;
struct TextField;

// "Архів об'єктів": finds sites, shows their devices and each device's time line, edits
// sites and devices (hiding, never deleting), and hands an event's configuration or record
// to the host. An MDI child like the editors; archive errors are shown in boxes.
class TArchiveForm : public QWidget
{
    Q_OBJECT
public:
    // `archive` and `host` outlive the window.
    TArchiveForm(SiteArchive &archive, ArchiveWindowHost &host, QWidget *parent = nullptr);
    ~TArchiveForm() override;

    // Runs the search the fields describe: sites, and events when a day or an outcome is given.
    void search();

private:
    QWidget *makeSitesBox();
    QWidget *makeDevicesBox();
    QWidget *makeEventsBox();
    QAction *addRecordAction(const QString &text, const QString &name, void (TArchiveForm::*slot)());

    // The last search again, with `site` current when it is still found.
    void refresh(SiteId site);
    void siteChosen();
    void showDevices(DeviceId current);
    void deviceChosen();
    void eventChosen(EventList *list);
    void updateRecordActions();

    // Edits `fields` in a dialog and has `store` keep them; false when cancelled or refused.
    bool editRecord(const QString &caption, const QList<TextField> &fields,
                    const std::function<ArchiveError(const QStringList &)> &store);
    void addSite();
    void editSite();
    void toggleSiteArchived();
    void editDevice();
    void toggleDeviceArchived();

    SiteArchive &m_archive;
    EventOwners m_owners;
    SearchForm m_lastSearch;
    QList<SiteRecord> m_siteRecords;
    QList<DeviceRecord> m_deviceRecords;
    ArchiveSearchPanel *m_search;
    QCheckBox *m_showArchived;
    QTreeWidget *m_sites = nullptr;
    QTreeWidget *m_devices = nullptr;
    EventList *m_timeline = nullptr;
    EventList *m_found = nullptr;
    EventList *m_eventSource = nullptr; // the list whose event the commands act on
    QGroupBox *m_foundBox = nullptr;
    EventCommands *m_commands;
    QLabel *m_note;
    QAction *m_editSite = nullptr;
    QAction *m_toggleSite = nullptr;
    QAction *m_editDevice = nullptr;
    QAction *m_toggleDevice = nullptr;
};

// The archive window of `area`, brought forward or created (one at most).
TArchiveForm *showArchive(QMdiArea &area, SiteArchive &archive, ArchiveWindowHost &host);
