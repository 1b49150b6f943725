// The exchanges that start from the main window: identification before a read or write,
// configurator slots, survey, clear and regular mode.
#include "main.h"

#include "comport.h"
#include "dialogs.h"
#include "editorwindow.h"
#include "exchangeflow.h"
#include "exchangereport.h"
#include "portdialog.h"
#include "proc.h"
#include "progress.h"
#include "select.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
constexpr int kSlotDevice = -1;
} // namespace

std::unique_ptr<TMainCPort> TMainForm::createLink(ExchangeState &state) const
{
    if (m_linkFactory)
        return m_linkFactory(state);
    auto link = std::make_unique<TMainCPort>(state);
    link->LoadSettings();
    return link;
}

// An editor that holds neither a completed read, a loaded file nor an edit shows
// defaults that look like real settings; writing them needs a yes.
bool TMainForm::confirmWriteOf(const EditorWindow &window)
{
    return window.holdsSettings()
           || dialogs().askYesNoSafely(QStringLiteral(
               "Редактор не містить налаштувань, зчитаних з приладу, завантажених з файлу "
               "або змінених вами: записати значення за замовчуванням?"));
}

// Any exchange but the identification before a resumption leaves a cut write behind.
void TMainForm::identifyFor(const Operation &operation)
{
    m_slotNumber = kSlotDevice;
    if (m_afterIdentify != AfterIdentify::Resume)
        discardCutWrites();
    BeginAnimation();
    m_flow->identify(operation, [this](const FlowResult &result) { ReadDevice(result); });
}

void TMainForm::discardCutWrites()
{
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (auto *window = qobject_cast<EditorWindow *>(sub->widget()))
            window->discardCutWrite();
    }
}

void TMainForm::mnReadDevClick()
{
    m_exchange.WriteRequested = false;
    m_afterIdentify = AfterIdentify::Read;
    identifyFor({Operation::Kind::ReadDevice});
}

void TMainForm::mnLoadDevClick()
{
    writeActiveEditor(AfterIdentify::Write);
}

// For a device whose contents are in doubt: everything is written and checked.
void TMainForm::mnWriteAllClick()
{
    writeActiveEditor(AfterIdentify::WriteAll);
}

void TMainForm::writeActiveEditor(AfterIdentify write)
{
    m_exchange.WriteRequested = true;
    m_slotNumber = kSlotDevice;
    EditorWindow *window = activeEditor();
    if (!window) {
        ShowError(kErrNothingToWrite);
        return;
    }
    m_afterIdentify = write;
    if (confirmWriteOf(*window))
        identifyFor({Operation::Kind::WriteDevice});
}

void TMainForm::mnCompareDevClick()
{
    m_exchange.WriteRequested = false;
    if (!activeEditor()) {
        ShowError(kErrNothingToWrite);
        return;
    }
    m_afterIdentify = AfterIdentify::Compare;
    identifyFor({Operation::Kind::CompareDevice});
}

void TMainForm::mnResumeWriteClick()
{
    EditorWindow *window = activeEditor();
    if (window && window->slotWriteCut()) {
        BeginAnimation();
        window->ResumeWrite();
        return;
    }
    m_exchange.WriteRequested = true;
    m_afterIdentify = AfterIdentify::Resume;
    if (window)
        identifyFor({Operation::Kind::WriteDevice});
    else
        ShowError(kErrNothingToWrite);
}

void TMainForm::mnSaveRecordClick()
{
    if (EditorWindow *window = activeEditor())
        window->SaveRecord();
}

void TMainForm::dispatchIdentified(EditorWindow &window)
{
    switch (std::exchange(m_afterIdentify, AfterIdentify::Read)) {
    case AfterIdentify::Write: window.LoadToDevice(); break;
    case AfterIdentify::WriteAll: window.LoadAllToDevice(); break;
    case AfterIdentify::Compare: window.CompareWithDevice(); break;
    case AfterIdentify::Resume:
        if (!window.ResumeWrite()) {
            EndAnimation();
            dialogs().showMessage(Dialogs::Kind::Information, QStringLiteral("Немає перерваного запису."));
        }
        break;
    case AfterIdentify::Read: break;
    }
}

void TMainForm::readSlot(int slot)
{
    m_slotNumber = slot;
    m_afterIdentify = AfterIdentify::Read;
    m_exchange.WriteRequested = false;
    discardCutWrites();
    BeginAnimation();
    m_flow->readSlotHeader(slot, [this](const FlowResult &result) { ReadDevice(result); });
}

// A model that keeps nothing in the configurator gets only its editor's refusal: nothing is
// sent and nothing changes.
void TMainForm::refuseConfiguratorTransfer(const EditorWindow &window)
{
    const QString refusal = window.configuratorRefusal();
    if (!refusal.isEmpty())
        dialogs().showMessage(Dialogs::Kind::Information, refusal);
}

void TMainForm::writeSlot(int slot)
{
    m_slotNumber = slot;
    EditorWindow *window = activeEditor();
    if (!window)
        return;
    if (!modelInfo(window->model()).takesConfiguratorTransfers)
        refuseConfiguratorTransfer(*window);
    else if (confirmWriteOf(*window))
        window->LoadToConfigurator(slot);
}

// The survey can wait five seconds for a configurator that is not there: it shows the busy
// display, and can be cancelled.
void TMainForm::mnInitConfClick()
{
    m_slotNumber = kSlotDevice;
    discardCutWrites();
    BeginAnimation();
    m_flow->surveySlots([this](const FlowResult &result) { CheckConfigurator(result); });
}

void TMainForm::mnClearConfiguratorClick()
{
    if (!dialogs().askOkCancelSafely(QStringLiteral("Дані з конфігуратора будуть видалені. Продовжити?")))
        return;
    m_slotNumber = kSlotDevice;
    discardCutWrites();
    BeginAnimation();
    m_flow->clearConfigurator([this](const FlowResult &result) {
        if (!reportStopped(*this, result))
            EndAnimation();
    });
}

void TMainForm::mnRegModeClick()
{
    discardCutWrites();
    m_flow->regularMode([this](const FlowResult &result) { reportStopped(*this, result); });
}

// After an identification for a device or a slot: the device's editor is opened and takes
// the operation on.
void TMainForm::ReadDevice(const FlowResult &result)
{
    if (reportStopped(*this, result)) {
        m_afterIdentify = AfterIdentify::Read;
        return;
    }
    m_exchange.DeviceType = result.identity.deviceType;
    m_exchange.FirmwareVariant = result.identity.variant;
    if (m_afterIdentify != AfterIdentify::Read && m_slotNumber == kSlotDevice) {
        if (EditorWindow *window = activeEditor())
            dispatchIdentified(*window);
        else
            EndAnimation();
        return;
    }
    const std::optional<Identified> found = identify(m_exchange.DeviceType, m_exchange.FirmwareVariant);
    EditorWindow *window = found ? openEditor(found->model, found->variant) : nullptr;
    if (!window) {
        EndAnimation();
        const Operation operation = m_slotNumber == kSlotDevice
                                        ? Operation{Operation::Kind::ReadDevice}
                                        : Operation{Operation::Kind::ReadSlot, m_slotNumber};
        setStatusText(0, operationFailedStatus(operation, QStringLiteral("версія не підтримується")));
        ShowError(kErrVersionNotSupported,
                  foundDeviceDetail(m_exchange.DeviceType, m_exchange.FirmwareVariant,
                                    slotDescription(m_exchange.DeviceType, m_exchange.FirmwareVariant)));
        return;
    }
    m_exchange.FirmwareVariant = found->variant;
    if (m_slotNumber == kSlotDevice)
        window->LoadFromDevice();
    else if (!modelInfo(found->model).takesConfiguratorTransfers) {
        EndAnimation(); // the slot opens the editor; the model has no configurator transfer
        refuseConfiguratorTransfer(*window);
    } else
        window->LoadFromConfigurator(m_slotNumber);
}

// Each slot answered names what it holds in the read-slot menu, a failed or cancelled survey
// as far as it came; a survey restarted by a resend puts the repeated answers on their own
// slots again.
void TMainForm::CheckConfigurator(const FlowResult &result)
{
    for (int slot = 0; slot < result.slotsFound.size() && slot < m_readSlotItems.size(); ++slot) {
        if (const std::optional<DeviceIdentity> &found = result.slotsFound.at(slot))
            m_readSlotItems[slot]->setText(QStringLiteral("Конфігурація %1 ").arg(slot + 1)
                                           + slotDescription(found->deviceType, found->variant));
    }
    if (reportStopped(*this, result))
        return;
    QStringList captions;
    for (QAction *item : std::as_const(m_readSlotItems))
        captions.append(item->text());
    EndAnimation();
    dialogs().showMessage(Dialogs::Kind::Information, captions.join(u'\r'));
}

void TMainForm::mnOptionCOMClick()
{
    const std::unique_ptr<TMainCPort> settingsLink = createLink(m_exchange);
    // The connection check keeps its own exchange state: the program's stays as it was.
    PortSettingsDialog dialog(settingsLink->settings(), [this](ExchangeState &state) {
        return createLink(state);
    }, this);
    dialogs().execDialog(&dialog);
    // Stored whatever button closed the dialog.
    const PortSettings chosen = dialog.settings();
    chosen.store();
    Q_EMIT portSettingsStored(chosen.baudRate);
}
