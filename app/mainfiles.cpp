// File commands of the main window: open a settings or HEX file, save the active
// editor's settings, load factory settings, and the recently used files.
#include "main.h"

#include "dialogs.h"
#include "editorwindow.h"
#include "filehistory.h"
#include "mainarchive.h"
#include "proc.h"
#include "select.h"
#include "settingsfile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString kSettingsFilter = QStringLiteral("Налаштування користувача (*.vau)|*.vau|Всі файли (*.*)|*.*");

// "&3 /home/user/object 12.vau"; an ampersand of the path stays one.
QString recentItemText(int number, const QString &path)
{
    return QStringLiteral("&%1 %2").arg(number).arg(QDir::toNativeSeparators(path).replace(u'&', QStringLiteral("&&")));
}

} // namespace

void TMainForm::mnOpenClick()
{
    const QString path = dialogs().openFileName(
        {m_files->startFolder(),
         QStringLiteral("Налаштування користувача (*.vau)|*.vau|HEX - файли|*.hex|Всі файли (*.*)|*.*"),
         QStringLiteral("vau")});
    if (!path.isEmpty())
        openFile(path);
}

void TMainForm::openFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("vau"))
        openSettingsFile(path);
    else if (suffix == QLatin1String("hex"))
        openHexFile(path);
}

// The whole file is read and checked before any editor is opened or reset, so that a file
// that fails leaves the configuration on screen as it was.
void TMainForm::openSettingsFile(const QString &path)
{
    const settingsfile::ReadResult read = settingsfile::readFile(path);
    if (const auto *failure = std::get_if<settingsfile::Failure>(&read)) {
        const bool unknownType = failure->fault == settingsfile::Fault::UnknownType;
        ShowError(unknownType ? kErrUnknownDevice : kErrReadFile, settingsfile::describe(path, *failure));
        return;
    }
    const auto &file = std::get<settingsfile::Contents>(read);
    if (openSettings(path, file)) {
        m_files->addRecent(path);
        fillRecentFiles();
        m_archive->recordOpenedFile(path, file);
    }
}

EditorWindow *TMainForm::openSettings(const QString &name, const settingsfile::Contents &file)
{
    m_exchange.DeviceType = file.header.typeCode;
    m_exchange.FirmwareVariant = file.header.variant;
    EditorWindow *window = openEditor(file.model, file.header.variant);
    if (window)
        loadSettingsFile(*window, name, file);
    return window;
}

void TMainForm::loadSettingsFile(EditorWindow &window, const QString &path, const settingsfile::Contents &file)
{
    window.PrepareToLoad(path, file);
    if (file.ignoredBytes > 0)
        setStatusText(0, settingsfile::ignoredBytesNote(path, file));
}

void TMainForm::openHexFile(const QString &path)
{
    if (m_select)
        m_select->close();
    if (m_hexOpener)
        m_hexOpener(path);
    m_files->addRecent(path);
    fillRecentFiles();
}

// A file moved or deleted since is said so and leaves the list.
void TMainForm::openRecentFile(const QString &path)
{
    if (QFileInfo::exists(path)) {
        openFile(path);
        return;
    }
    m_files->removeRecent(path);
    fillRecentFiles();
    dialogs().showMessage(Dialogs::Kind::Warning,
                          QStringLiteral("Файл не знайдено, його прибрано зі списку останніх файлів."),
                          QDir::toNativeSeparators(path));
}

// The items go before the separator above "Вихід". An item may be the one whose command
// runs now, so the old ones are deleted later.
void TMainForm::fillRecentFiles()
{
    for (QAction *item : std::as_const(m_recentItems)) {
        m_fileMenu->removeAction(item);
        item->deleteLater();
    }
    m_recentItems.clear();
    const QStringList files = m_files->recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        auto *item = new QAction(recentItemText(i + 1, files[i]), this);
        item->setObjectName(QStringLiteral("mnRecent%1").arg(i + 1));
        const QString path = files[i];
        connect(item, &QAction::triggered, this, [this, path] { openRecentFile(path); });
        m_fileMenu->insertAction(m_recentEnd, item);
        m_recentItems.append(item);
    }
    m_recentEnd->setVisible(!files.isEmpty());
}

void TMainForm::mnCompareFileClick()
{
    EditorWindow *window = activeEditor();
    if (!window) {
        ShowError(kErrNothingToWrite);
        return;
    }
    const QString path = dialogs().openFileName({m_files->startFolder(), kSettingsFilter, QStringLiteral("vau")});
    if (path.isEmpty())
        return;
    m_files->noteUsed(path);
    const settingsfile::ReadResult read = settingsfile::readFile(path, window->model());
    if (const auto *failure = std::get_if<settingsfile::Failure>(&read)) {
        ShowError(kErrReadFile, settingsfile::describe(path, *failure));
        return;
    }
    window->CompareWithFile(std::get<settingsfile::Contents>(read));
}

void TMainForm::mnSaveClick()
{
    if (EditorWindow *window = activeEditor())
        saveSettingsOf(*window);
}

void TMainForm::saveSettingsOf(EditorWindow &window)
{
    const QString path = dialogs().saveFileName({m_files->startFolder(), kSettingsFilter, QStringLiteral("vau")});
    if (path.isEmpty() || !confirmOverwrite(path))
        return;
    // The editor writes the file whole through a temporary one, so a failed save never
    // leaves the user's earlier file truncated.
    if (window.PrepareToSave(path)) {
        m_files->addRecent(path);
        fillRecentFiles();
        m_archive->recordSavedFile(path);
    }
}

bool TMainForm::confirmOverwrite(const QString &path)
{
    return !QFileInfo::exists(path)
           || dialogs().askYesNoSafely(QStringLiteral("Такий файл вже існує. Перезаписати?"));
}

void TMainForm::mnFAClick()
{
    EditorWindow *window = activeEditor();
    if (!window)
        return;
    const QString relative = factoryFile(window->model(), window->title());
    if (relative.isEmpty())
        return; // the control-and-start device has no factory settings
    const QString path = QDir(m_programFolder).filePath(relative);
    FillingControlsGuard filling(m_exchange);
    const settingsfile::ReadResult read = settingsfile::readFile(path, window->model());
    if (const auto *failure = std::get_if<settingsfile::Failure>(&read)) {
        const bool missing = failure->fault == settingsfile::Fault::Missing;
        ShowError(missing ? kErrNoFactoryFile : kErrReadFile, settingsfile::describe(path, *failure));
        return;
    }
    if (window->hasUserChanges()
        && !dialogs().askYesNoSafely(QStringLiteral("Заводські налаштування замінять зміни в «%1». Продовжити?")
                                         .arg(window->title())))
        return;
    loadSettingsFile(*window, path, std::get<settingsfile::Contents>(read));
    window->setCaption(window->title() + QStringLiteral("   -   заводські налаштування"));
}
