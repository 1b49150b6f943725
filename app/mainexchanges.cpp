// The exchanges that start from the main window: identification before a read or write,
// configurator slots, survey, clear and regular mode.
#include "main.h"

#include "comport.h"
#include "dialogs.h"
#include "editorwindow.h"
#include "exchangereport.h"
#include "linkevents.h"
#include "portdialog.h"
#include "proc.h"
#include "progress.h"
#include "select.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
constexpr int kSlotClearing = -2;
constexpr int kSlotDevice = -1;
} // namespace

std::unique_ptr<TMainCPort> TMainForm::createLink()
{
    if (m_linkFactory)
        return m_linkFactory(m_exchange);
    auto link = std::make_unique<TMainCPort>(m_exchange);
    link->LoadSettings();
    return link;
}

// On failure the link is gone and error 3 has been shown (after `restore`).
bool TMainForm::openLink(const Operation &operation, const std::function<void()> &restore)
{
    if (m_afterIdentify != AfterIdentify::Resume)
        discardCutWrites();
    m_link = createLink();
    m_link->setOperation(operation);
    showProgressOf(*m_link);
    if (m_link->OpenPort())
        return true;
    const LinkOutcome outcome = m_link->outcome();
    m_link.reset();
    restore();
    reportOpenFailure(*this, outcome);
    return false;
}

void TMainForm::releaseLink()
{
    m_link.reset();
}

// Busy display, link, port: on failure everything is restored and error 3 shown.
bool TMainForm::openLinkBusy(const Operation &operation)
{
    BeginAnimation();
    return openLink(operation, [this] { EndAnimation(); });
}

// The same for an exchange with a text of its own.
bool TMainForm::openLinkBusy(const Operation &operation, const QString &text)
{
    if (!openLinkBusy(operation))
        return false;
    TProgressForm::instance()->setText(text);
    setStatusText(0, text);
    return true;
}

// An editor that holds neither a completed read, a loaded file nor an edit shows
// defaults that look like real settings; writing them needs a yes.
bool TMainForm::confirmWriteOf(const EditorWindow &window)
{
    return window.holdsSettings()
           || dialogs().askYesNo(QStringLiteral(
               "Редактор не містить налаштувань, зчитаних з приладу, завантажених з файлу "
               "або змінених вами: записати значення за замовчуванням?"));
}

void TMainForm::identifyFor(const Operation &operation)
{
    m_slotNumber = kSlotDevice;
    if (openLinkBusy(operation))
        m_link->Identify(this);
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
    m_exchange.WriteRequested = true;
    m_slotNumber = kSlotDevice;
    EditorWindow *window = activeEditor();
    if (!window) {
        ShowError(kErrNothingToWrite);
        return;
    }
    m_afterIdentify = AfterIdentify::Write;
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
    if (openLinkBusy({Operation::Kind::ReadSlot, slot}))
        m_link->ReadSlotHeader(this, configurator::slotHeaderAddress(slot));
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
    if (openLinkBusy({Operation::Kind::SurveySlots}, QStringLiteral("Опитування конфігуратора")))
        m_link->SurveySlots(this);
}

void TMainForm::mnClearConfiguratorClick()
{
    if (!dialogs().askOkCancel(QStringLiteral("Дані з конфігуратора будуть видалені. Продовжити?")))
        return;
    m_slotNumber = kSlotClearing;
    if (!openLinkBusy({Operation::Kind::ClearConfigurator}, QStringLiteral("Очистка памяті конфігуратора"))) {
        m_slotNumber = kSlotDevice;
        return;
    }
    TProgressForm::instance()->setMaximum(configurator::kClearSteps);
    m_link->ClearConfigurator(this);
}

void TMainForm::mnRegModeClick()
{
    if (openLink({Operation::Kind::RegularMode}, [] {}))
        m_link->RegularMode(this);
}

bool TMainForm::event(QEvent *e)
{
    const QEvent::Type type = e->type();
    if (type == linkevent::ReadDevice)
        ReadDevice();
    else if (type == linkevent::EndRead)
        EndClearConfigurator();
    else if (type == linkevent::ErrorTransmit)
        ErrorTransmit();
    else if (type == linkevent::EndRegularMode)
        EndRegularMode();
    else if (type == linkevent::CheckConfigurator)
        CheckConfigurator(static_cast<LinkEvent *>(e)->requestIndex());
    else if (type == linkevent::Cancelled)
        ExchangeCancelled();
    else
        return QMainWindow::event(e);
    return true;
}

void TMainForm::ReadDevice()
{
    releaseLink();
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

// `slotIndex` is the survey request answered (0 for slot 1): after a resend restarts the
// survey from slot 1, the repeated replies land on their own slots again.
void TMainForm::CheckConfigurator(int slotIndex)
{
    m_slotNumber = slotIndex;
    if (slotIndex < 0 || slotIndex >= m_readSlotItems.size())
        return;
    const QString description = slotDescription(m_exchange.DeviceType, m_exchange.FirmwareVariant);
    m_readSlotItems[slotIndex]->setText(
        QStringLiteral("Конфігурація %1 ").arg(slotIndex + 1) + description);
    if (slotIndex == configurator::kSlotCount - 1) {
        QStringList captions;
        for (QAction *item : std::as_const(m_readSlotItems))
            captions.append(item->text());
        releaseLink();
        EndAnimation();
        dialogs().showMessage(Dialogs::Kind::Information, captions.join(u'\r'));
    }
}

void TMainForm::EndClearConfigurator()
{
    if (m_slotNumber != kSlotClearing)
        return;
    EndAnimation();
    releaseLink();
    m_slotNumber = kSlotDevice;
}

void TMainForm::EndRegularMode()
{
    releaseLink();
}

// A failed or cancelled exchange of the main window: the link is released and the
// program idle again. Returns what the link said of the exchange.
LinkOutcome TMainForm::stopExchange()
{
    const LinkOutcome outcome = m_link ? m_link->outcome() : LinkOutcome{};
    releaseLink();
    m_afterIdentify = AfterIdentify::Read;
    EndAnimation();
    if (m_slotNumber == kSlotClearing)
        m_slotNumber = kSlotDevice;
    return outcome;
}

void TMainForm::ErrorTransmit()
{
    reportTransmitFailure(*this, stopExchange());
}

void TMainForm::ExchangeCancelled()
{
    reportCancel(*this, stopExchange());
}

void TMainForm::mnOptionCOMClick()
{
    const std::unique_ptr<TMainCPort> settingsLink = createLink();
    // The connection check keeps its own exchange state: the program's stays as it was.
    PortSettingsDialog dialog(settingsLink->settings(), [this](ExchangeState &state) {
        return m_linkFactory ? m_linkFactory(state) : std::make_unique<TMainCPort>(state);
    }, this);
    dialogs().execDialog(&dialog);
    // Stored whatever button closed the dialog.
    const PortSettings chosen = dialog.settings();
    chosen.store();
    Q_EMIT portSettingsStored(chosen.baudRate);
}
