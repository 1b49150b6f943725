#pragma once

#include "eventactions.h"

#include <QObject>
#include <optional>

class ArchiveWindowHost;
class QAction;
class QWidget;

// What can be done with the event the archive window points at: open its configuration in
// an editor, compare it with the editor or with an event marked before, write it to a
// settings file, save its commissioning record. Each action is enabled as it applies.
class EventCommands : public QObject
{
    Q_OBJECT
public:
    EventCommands(SiteArchive &archive, ArchiveWindowHost &host, EventOwners &owners, QWidget *window);

    QList<QAction *> actions() const { return m_actions; }
    void setCurrent(const EventRecord *event);

Q_SIGNALS:
    // A line for the window to show: which event is marked, where a file went.
    void noted(const QString &text);

private:
    QAction *addAction(const QString &text, const QString &name, void (EventCommands::*slot)());
    void updateActions();
    std::optional<SettingsExport> currentSettings();
    void openInEditor();
    void compareWithEditor();
    void markForComparison();
    void compareWithMarked();
    void exportFile();
    void saveRecord();

    SiteArchive &m_archive;
    ArchiveWindowHost &m_host;
    EventOwners &m_owners;
    std::optional<EventRecord> m_current;
    std::optional<EventRecord> m_marked;
    QList<QAction *> m_actions;
    QAction *m_open;
    QAction *m_compareWithEditor;
    QAction *m_mark;
    QAction *m_compareWithMarked;
    QAction *m_export;
    QAction *m_record;
};
