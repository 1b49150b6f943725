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

void TMainForm::openSettingsFile(const QString &path)
{
    const std::optional<settingsfile::Header> header = settingsfile::readHeader(path);
    if (!header) {
        ShowError(kErrReadFile);
        return;
    }
    m_exchange.DeviceType = header->typeCode;
    m_exchange.FirmwareVariant = header->variant;
    const std::optional<Model> model = modelByTypeCode(header->typeCode);
    if (!model) {
        dialogs().showMessage(Dialogs::Kind::Error, errorText(kErrUnknownDevice));
        return;
    }
    if (EditorWindow *window = openEditor(*model, header->variant))
        window->PrepareToLoad(path);
}

void TMainForm::openHexFile(const QString &path)
{
    if (m_select)
        m_select->close();
    if (m_hexOpener)
        m_hexOpener(path);
}

void TMainForm::mnSaveClick()
{
    EditorWindow *window = activeEditor();
    if (!window)
        return;
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
    window->PrepareToSave(path);
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
    if (!QFileInfo::exists(path)) {
        ShowError(kErrNoFactoryFile);
        return;
    }
    if (window->PrepareToLoad(path))
        window->setCaption(window->title() + QStringLiteral("   -   заводські налаштування"));
}

void TMainForm::mnPrintClick()
{
    EditorWindow *window = activeEditor();
    if (window && window->model() != Model::PKorvel24)
        window->PrepareToPrint();
}
