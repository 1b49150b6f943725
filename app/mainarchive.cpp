#include "mainarchive.h"

#include "archiveform.h"
#include "archiveoptions.h"
#include "archivetexts.h"
#include "commissioningrecord.h"
#include "dialogs.h"
#include "editorwindow.h"
#include "eventrecording.h"
#include "log.h"
#include "main.h"
#include "newdevicedialog.h"
#include "proc.h"
#include "recordfiles.h"

#include <QFileInfo>

namespace {

void logProblem(const QString &what, const ArchiveError &error)
{
    WriteLog(QStringLiteral("%1: %2").arg(what, error.message), QStringLiteral("archive"), QStringLiteral("record"));
}

// The event's configuration read as a settings file of its model is: one this program
// cannot read is refused as such a file would be.
std::optional<settingsfile::Contents> contentsOf(const SettingsExport &settings)
{
    const settingsfile::ReadResult read = settingsfile::parse(settings.fileBytes());
    if (const auto *failure = std::get_if<settingsfile::Failure>(&read)) {
        const bool unknownType = failure->fault == settingsfile::Fault::UnknownType;
        ShowError(unknownType ? kErrUnknownDevice : kErrReadFile,
                  settingsfile::describe(QStringLiteral("Архів об'єктів"), *failure));
        return std::nullopt;
    }
    return std::get<settingsfile::Contents>(read);
}

} // namespace

MainArchive::MainArchive(TMainForm &form) : m_form(form), m_session(&form)
{
}

// The window works on the archive this object closes.
MainArchive::~MainArchive()
{
    closeWindow();
}

void MainArchive::recordExchange(const ExchangeReport &report, const FlowResult &result)
{
    ExchangeReport onPort = report;
    if (onPort.port.isEmpty())
        onPort.port = result.link.port;
    record(exchangeEvent(onPort, result));
}

void MainArchive::recordOpenedFile(const QString &path, const settingsfile::Contents &file)
{
    recordFile(EventKind::FileOpened, path, file);
}

void MainArchive::recordSavedFile(const QString &path)
{
    const settingsfile::ReadResult saved = settingsfile::readFile(path);
    if (const auto *file = std::get_if<settingsfile::Contents>(&saved))
        recordFile(EventKind::FileSaved, path, *file);
}

// The archive outlives the folder the program ran in: files are named in full.
void MainArchive::recordFile(EventKind kind, const QString &path, const settingsfile::Contents &file)
{
    const settingsfile::Images &images = file.images;
    record(fileEvent(kind, QFileInfo(path).absoluteFilePath(), file.header.typeCode, file.header.variant,
                     {images.eeprom, images.memory}));
}

// Panel 0 holds the exchange's own end: panel 2 says only that the archive did not keep it,
// or keeps it until its server answers again.
void MainArchive::record(ArchiveEvent event)
{
    SiteArchive *archive = m_session.archive();
    if (!archive)
        return;
    const ArchiveResult<DeviceId> device = eventDevice(*archive, event, &m_form);
    if (!device.ok())
        logProblem(QStringLiteral("Прилад події не визначено"), device.error);
    event.device = device.value;
    const ArchiveResult<RecordReceipt> receipt = archive->record(event);
    if (!receipt.ok())
        logProblem(QStringLiteral("Подію не записано в архів"), receipt.error);
    m_form.setStatusText(2, !receipt.ok()            ? QStringLiteral("не в архіві")
                            : receipt.value.queued ? QStringLiteral("архів: у черзі")
                                                   : QString());
}

void MainArchive::showWindow()
{
    if (SiteArchive *archive = m_session.archive(true))
        m_window = showArchive(*m_form.mdiArea(), *archive, *this);
}

// The window shows the archive the new settings close.
void MainArchive::editOptions()
{
    ArchiveOptionsDialog dialog(ArchiveSettings::load(), m_session, &m_form);
    if (dialogs().execDialog(&dialog) != QDialog::Accepted)
        return;
    closeWindow();
    m_session.apply(dialog.settings(), dialog.password());
}

void MainArchive::closeWindow()
{
    if (m_window)
        delete m_window->parentWidget();
}

void MainArchive::openConfiguration(const SettingsExport &settings, const QString &caption)
{
    const std::optional<settingsfile::Contents> file = contentsOf(settings);
    if (!file)
        return;
    if (EditorWindow *window = m_form.openSettings(caption, *file))
        window->setCaption(window->title() + QStringLiteral("   -   ") + caption);
}

// The archive window is the active one: the editor compared is the one of the event's model.
void MainArchive::compareWithEditor(const SettingsExport &settings)
{
    const std::optional<settingsfile::Contents> file = contentsOf(settings);
    if (!file)
        return;
    EditorWindow *window = m_form.editor(file->model);
    if (!window) {
        dialogs().showMessage(Dialogs::Kind::Information,
                              QStringLiteral("Немає відкритого редактора «%1»: відкрийте його, щоб порівняти з подією.")
                                  .arg(deviceTitle(settings.typeCode, settings.variant)));
        return;
    }
    window->CompareWithFile(*file);
}

void MainArchive::saveRecord(const EventRecord &event, const SiteRecord &site, const DeviceRecord &device)
{
    const QString written = saveCommissioningRecord(commissioningRecordOf(event, {site, device}));
    if (!written.isEmpty())
        m_form.setStatusText(0, written);
}
