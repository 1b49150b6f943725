#include "deviceeditor.h"

#include "dialogs.h"
#include "exchangetexts.h"
#include "proc.h"
#include "registry.h"
#include "settingsfile.h"
#include "shell.h"
#include "subwindowplacement.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiSubWindow>

#include <utility>

namespace {
const QString kCaptionSeparator = QStringLiteral("   -   ");
const QString kUserChangeMark = kCaptionSeparator + QStringLiteral("змінено користувачем");
} // namespace

TDeviceEditor::TDeviceEditor(Model model, Shell &shell, QWidget *parent)
    : EditorWindow(parent), m_model(model), m_shell(shell), m_transfers(new EditorTransfers(*this, shell, this)),
      m_history(new EditHistory([this](const EditSnapshot &s) { showSnapshot(s); }, this))
{
    setObjectName(QString::fromLatin1(modelInfo(model).component));
}

TDeviceEditor::~TDeviceEditor() = default;

EditorState &TDeviceEditor::exchange() const
{
    return m_shell.exchange();
}

const DeviceDefinition &TDeviceEditor::definition() const
{
    return modelInfo(m_model);
}

int TDeviceEditor::eepromSize() const
{
    return definition().eepromSize;
}

int TDeviceEditor::memorySize() const
{
    return definition().memorySize;
}

void TDeviceEditor::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    if (parentWidget())
        parentWidget()->setWindowTitle(caption);
}

void TDeviceEditor::ChangeAdjust()
{
    if (exchange().FillingControls)
        return;
    m_holdsSettings = true;
    const QString captionBefore = windowTitle();
    setCaption(m_title + kUserChangeMark);
    m_history->recordEdit(captionBefore, snapshot(), qobject_cast<QLineEdit *>(focusWidget()));
}

bool TDeviceEditor::hasUserChanges() const
{
    return windowTitle().endsWith(kUserChangeMark);
}

EditSnapshot TDeviceEditor::snapshot()
{
    EditorState &state = exchange();
    const QByteArray eeprom = state.EepromImage;
    const QByteArray memory = state.MemoryImage;
    encodeImages();
    EditSnapshot shown{std::exchange(state.EepromImage, eeprom), std::exchange(state.MemoryImage, memory),
                       windowTitle()};
    return shown;
}

// Through the decoding of a read, so every rule that follows decoded images runs; the
// images decode as the editor's own variant encoded them.
void TDeviceEditor::showSnapshot(const EditSnapshot &snapshot)
{
    EditorState &state = exchange();
    const QByteArray eeprom = std::exchange(state.EepromImage, snapshot.eeprom);
    const QByteArray memory = std::exchange(state.MemoryImage, snapshot.memory);
    const quint8 variant = std::exchange(state.FirmwareVariant, m_variant);
    fillControlsFromImages();
    state.EepromImage = eeprom;
    state.MemoryImage = memory;
    state.FirmwareVariant = variant;
    setCaption(snapshot.caption);
}

void TDeviceEditor::forgetEdits()
{
    m_history->restart(snapshot());
}

void TDeviceEditor::VersionFirmware(quint8 variant)
{
    ResetToDefault();
    m_holdsSettings = false;
    adoptVariant(variant);
    forgetEdits();
}

void TDeviceEditor::adoptVariant(quint8 variant)
{
    m_variant = variant;
    const QString title = editorTitle(m_model, variant);
    if (!title.isEmpty()) {
        m_title = title;
        setToolTip(title);
        setCaption(title);
    }
    applyVariant(variant);
}

void TDeviceEditor::fillControlsFromImages()
{
    FillingControlsGuard filling(exchange());
    FillByDataFromEEPROM();
    FillByDataFromMemory();
}

bool TDeviceEditor::isIdle() const
{
    return !m_transfers->running();
}

void TDeviceEditor::showImages()
{
    fillControlsFromImages();
    forgetEdits();
}

void TDeviceEditor::encodeImages()
{
    FillArrayByDataForEEPROM();
    FillArrayByDataForMemory();
}

void TDeviceEditor::showState(const QString &state)
{
    setCaption(m_title + kCaptionSeparator + state);
}

void TDeviceEditor::LoadFromDevice()
{
    m_transfers->readDevice();
}

bool TDeviceEditor::acceptsIdentifiedDevice()
{
    return exchange().DeviceType == definition().typeCode && exchange().FirmwareVariant == m_variant;
}

void TDeviceEditor::LoadToDevice()
{
    writeToDevice(false);
}

void TDeviceEditor::LoadAllToDevice()
{
    writeToDevice(true);
}

void TDeviceEditor::writeToDevice(bool whole)
{
    if (!acceptsIdentifiedDevice()) {
        m_shell.EndAnimation();
        const Operation operation{Operation::Kind::WriteDevice};
        m_shell.setStatusText(0, operationFailedStatus(operation, QStringLiteral("дані не відповідають типу приладу")));
        ShowError(kErrDataNotForDevice,
                  deviceMismatchDetail(exchange().DeviceType, exchange().FirmwareVariant,
                                       slotDescription(exchange().DeviceType, exchange().FirmwareVariant), m_title,
                                       definition().typeCode, m_variant));
        return;
    }
    m_transfers->writeDevice(whole);
}

void TDeviceEditor::LoadToConfigurator(int slot)
{
    m_shell.BeginAnimation(); // no identification precedes a slot write
    m_transfers->writeSlot(slot);
}

TDeviceEditor::SlotWrite TDeviceEditor::slotWrite(int slot) const
{
    return {definition().slotWrite(m_variant, slot), definition().slotVariant(m_variant)};
}

void TDeviceEditor::LoadFromConfigurator(int slot)
{
    m_transfers->readSlot(slot);
}

void TDeviceEditor::CompareWithDevice()
{
    if (acceptsIdentifiedDevice())
        m_transfers->compareWithDevice();
    else
        LoadToDevice(); // says why the device and the editor cannot be compared
}

void TDeviceEditor::CompareWithFile(const settingsfile::Contents &file)
{
    m_transfers->compareWithFile(file);
}

bool TDeviceEditor::ResumeWrite()
{
    if (!slotWriteCut() && !acceptsIdentifiedDevice()) {
        LoadToDevice(); // refuses the device found, with its reason
        return true;
    }
    return m_transfers->resumeWrite();
}

bool TDeviceEditor::slotWriteCut() const
{
    return m_transfers->slotWriteCut();
}

void TDeviceEditor::discardCutWrite()
{
    m_transfers->discardCutWrite();
}

void TDeviceEditor::SaveRecord()
{
    m_transfers->saveRecord();
}

bool TDeviceEditor::PrepareToSave(const QString &fileName)
{
    FillArrayByDataForEEPROM();
    FillArrayByDataForMemory();
    const settingsfile::Header header{modelInfo(m_model).typeCode, recordedVersion()};
    if (!settingsfile::write(fileName, header, exchange().EepromImage, eepromSize(),
                             exchange().MemoryImage, memorySize())) {
        ShowError(kErrWriteFile);
        return false;
    }
    // The edits are in the file now: the caption names it instead of marking them unsaved.
    setCaption(m_title + kCaptionSeparator + QFileInfo(fileName).fileName());
    return true;
}

void TDeviceEditor::PrepareToLoad(const QString &fileName, const settingsfile::Contents &file)
{
    // The file's own variant decides how its bytes read, whatever device was last seen.
    exchange().FirmwareVariant = file.header.variant;
    exchange().EepromImage = file.images.eeprom;
    exchange().MemoryImage = file.images.memory;
    fillControlsFromImages();
    m_holdsSettings = true;
    setCaption(m_title + kCaptionSeparator + QFileInfo(fileName).fileName());
    forgetEdits();
}

void TDeviceEditor::closeEvent(QCloseEvent *event)
{
    storeSubWindowPlacement(m_shell, *this);
    event->setAccepted(isIdle() && changesSettled());
}

bool TDeviceEditor::changesSettled()
{
    if (!hasUserChanges())
        return true;
    const QString question = QStringLiteral("Налаштування «%1» змінено. Зберегти зміни у файл?").arg(m_title);
    switch (dialogs().askSaveDiscardCancel(question)) {
    case Dialogs::Choice::Save:
        m_shell.saveSettingsOf(*this);
        return !hasUserChanges(); // the save was cancelled or failed: the window stays
    case Dialogs::Choice::Discard: return true;
    case Dialogs::Choice::Cancel: break;
    }
    return false;
}

void TDeviceEditor::showEvent(QShowEvent *event)
{
    EditorWindow::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        restoreSubWindowPlacement(m_shell, *this);
        m_history->takeUndoKeysFrom(this);
    }
}
