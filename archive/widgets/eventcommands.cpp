#include "eventcommands.h"

#include "archivetexts.h"
#include "archivewindowhost.h"
#include "dialogs.h"
#include "recordtree.h"

#include <QAction>
#include <QDir>
#include <QStandardPaths>
#include <QWidget>

namespace {

const QString kSettingsFilter = QStringLiteral("Налаштування користувача (*.vau)|*.vau|Всі файли (*.*)|*.*");

} // namespace

EventCommands::EventCommands(SiteArchive &archive, ArchiveWindowHost &host, EventOwners &owners, QWidget *window)
    : QObject(window),
      m_archive(archive),
      m_host(host),
      m_owners(owners),
      m_open(addAction(QStringLiteral("Відкрити в редакторі"), QStringLiteral("actOpenInEditor"), &EventCommands::openInEditor)),
      m_compareWithEditor(addAction(QStringLiteral("Порівняти з редактором"), QStringLiteral("actCompareWithEditor"),
                                    &EventCommands::compareWithEditor)),
      m_mark(addAction(QStringLiteral("Позначити для порівняння"), QStringLiteral("actMarkForComparison"),
                       &EventCommands::markForComparison)),
      m_compareWithMarked(addAction(QStringLiteral("Порівняти з іншою подією"), QStringLiteral("actCompareWithMarked"),
                                    &EventCommands::compareWithMarked)),
      m_export(addAction(QStringLiteral("Експортувати .vau"), QStringLiteral("actExportVau"), &EventCommands::exportFile)),
      m_record(addAction(QStringLiteral("Зберегти протокол"), QStringLiteral("actSaveRecord"), &EventCommands::saveRecord))
{
    updateActions();
}

QAction *EventCommands::addAction(const QString &text, const QString &name, void (EventCommands::*slot)())
{
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, slot);
    m_actions.append(action);
    return action;
}

void EventCommands::setCurrent(const EventRecord *event)
{
    m_current = event ? std::optional(*event) : std::nullopt;
    updateActions();
}

void EventCommands::updateActions()
{
    const bool configuration = m_current && holdsConfiguration(*m_current);
    for (QAction *action : {m_open, m_compareWithEditor, m_mark, m_export})
        action->setEnabled(configuration);
    m_compareWithMarked->setEnabled(configuration && m_marked && m_marked->id != m_current->id);
    m_record->setEnabled(m_current && hasCommissioningRecord(*m_current));
}

std::optional<SettingsExport> EventCommands::currentSettings()
{
    const ArchiveResult<SettingsExport> settings = m_archive.exportSettings(m_current->id);
    if (reportFailure(settings.error))
        return std::nullopt;
    return settings.value;
}

void EventCommands::openInEditor()
{
    const ArchiveResult<EventOwner> owner = m_owners.of(m_current->event.device);
    if (reportFailure(owner.error))
        return;
    if (const std::optional<SettingsExport> settings = currentSettings())
        m_host.openConfiguration(*settings, eventCaption(owner.value, *m_current));
}

void EventCommands::compareWithEditor()
{
    if (const std::optional<SettingsExport> settings = currentSettings())
        m_host.compareWithEditor(*settings);
}

void EventCommands::markForComparison()
{
    m_marked = m_current;
    updateActions();
    Q_EMIT noted(QStringLiteral("Для порівняння позначено: %1. Оберіть іншу подію й натисніть «Порівняти з іншою подією».")
                     .arg(eventLabel(*m_marked)));
}

void EventCommands::compareWithMarked()
{
    const ArchiveResult<QString> difference = differenceOfEvents(m_archive, *m_marked, *m_current);
    if (!reportFailure(difference.error))
        dialogs().showMessage(Dialogs::Kind::Information, difference.value);
}

void EventCommands::exportFile()
{
    const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = dialogs().saveFileName({start, kSettingsFilter, QStringLiteral("vau")});
    if (path.isEmpty())
        return;
    const QString refusal = exportEventFile(m_archive, m_current->id, path);
    if (!refusal.isEmpty()) {
        dialogs().showMessage(Dialogs::Kind::Error, QStringLiteral("Налаштування не експортовано."), refusal);
        return;
    }
    Q_EMIT noted(QStringLiteral("Налаштування записано у файл %1.").arg(QDir::toNativeSeparators(path)));
}

void EventCommands::saveRecord()
{
    const ArchiveResult<EventOwner> owner = m_owners.of(m_current->event.device);
    if (!reportFailure(owner.error))
        m_host.saveRecord(*m_current, owner.value.site, owner.value.device);
}
