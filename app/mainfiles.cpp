// File commands of the main window: open a settings or HEX file, save the active
// editor's settings, load factory settings, print.
#include "main.h"

#include "dialogs.h"
#include "editorwindow.h"
#include "proc.h"
#include "select.h"
#include "settingsfile.h"

#include <QDir>
#include <QFileInfo>

QString TMainForm::adjustmentsFolder() const
{
    return QDir(m_programFolder).filePath(QStringLiteral("adjustments"));
}

void TMainForm::mnOpenClick()
{
    const QString path = dialogs().openFileName(
        {adjustmentsFolder(),
         QStringLiteral("Налаштування користувача (*.vau)|*.vau|HEX - файли|*.hex|Всі файли (*.*)|*.*"),
         QStringLiteral("vau")});
    if (path.isEmpty())
        return;
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
    m_exchange.DeviceType = file.header.typeCode;
    m_exchange.FirmwareVariant = file.header.variant;
    if (EditorWindow *window = openEditor(file.model, file.header.variant))
        loadSettingsFile(*window, path, file);
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
}

void TMainForm::mnCompareFileClick()
{
    EditorWindow *window = activeEditor();
    if (!window) {
        ShowError(kErrNothingToWrite);
        return;
    }
    const QString path = dialogs().openFileName(
        {adjustmentsFolder(), QStringLiteral("Налаштування користувача (*.vau)|*.vau|Всі файли (*.*)|*.*"),
         QStringLiteral("vau")});
    if (path.isEmpty())
        return;
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
    const QString path = dialogs().saveFileName(
        {adjustmentsFolder(), QStringLiteral("Налаштування користувача (*.vau)|*.vau|Всі файли (*.*)|*.*"),
         QStringLiteral("vau")});
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path)
        && !dialogs().askYesNo(QStringLiteral("Такий файл вже існує. Перезаписати?")))
        return;
    // The editor writes the file whole through a temporary one, so a failed save never
    // leaves the user's earlier file truncated.
    window.PrepareToSave(path);
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
        && !dialogs().askYesNo(QStringLiteral("Заводські налаштування замінять зміни в «%1». Продовжити?")
                                   .arg(window->title())))
        return;
    loadSettingsFile(*window, path, std::get<settingsfile::Contents>(read));
    window->setCaption(window->title() + QStringLiteral("   -   заводські налаштування"));
}

void TMainForm::mnPrintClick()
{
    EditorWindow *window = activeEditor();
    if (window && modelInfo(window->model()).hasReport)
        window->PrepareToPrint();
}
