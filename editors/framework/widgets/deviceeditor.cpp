#include "deviceeditor.h"

#include "exchangesession.h"
#include "portsettings.h"
#include "proc.h"
#include "registry.h"
#include "settingsfile.h"
#include "shell.h"
#include "subwindowplacement.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiSubWindow>

namespace {
const QString kCaptionSeparator = QStringLiteral("   -   ");
} // namespace

TDeviceEditor::TDeviceEditor(Model model, Shell &shell, QWidget *parent)
    : EditorWindow(parent), m_model(model), m_shell(shell), m_session(new ExchangeSession(shell, this))
{
    setObjectName(QString::fromLatin1(modelInfo(model).component));
    connect(m_session, &ExchangeSession::finished, this, &TDeviceEditor::EndRead);
    connect(m_session, &ExchangeSession::failed, this, &TDeviceEditor::ErrorTransmit);
}

TDeviceEditor::~TDeviceEditor() = default;

ExchangeState &TDeviceEditor::exchange() const
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
    setCaption(m_title + kCaptionSeparator + QStringLiteral("змінено користувачем"));
}

void TDeviceEditor::VersionFirmware(quint8 variant)
{
    ResetToDefault();
    m_holdsSettings = false;
    adoptVariant(variant);
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
    return !m_session->running();
}

void TDeviceEditor::startExchange(const Operation &operation, const TransferPlan &plan)
{
    m_operation = operation;
    m_session->start(operation, plan);
}

void TDeviceEditor::LoadFromDevice()
{
    exchange().resetImages(eepromSize(), definition().deviceReadMemorySize());
    startExchange({Operation::Kind::ReadDevice},
                  definition().deviceRead(exchange().FirmwareVariant, PortSettings::load().baudRate));
}

bool TDeviceEditor::acceptsIdentifiedDevice()
{
    return exchange().DeviceType == definition().typeCode && exchange().FirmwareVariant == m_variant;
}

void TDeviceEditor::LoadToDevice()
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
    FillArrayByDataForEEPROM();
    FillArrayByDataForMemory();
    startExchange({Operation::Kind::WriteDevice}, definition().deviceWrite(m_variant));
}

void TDeviceEditor::LoadToConfigurator(int slot)
{
    m_shell.BeginAnimation(); // no identification precedes a slot write
    FillArrayByDataForEEPROM();
    FillArrayByDataForMemory();
    const SlotWrite write = slotWrite(slot);
    exchange().FirmwareVariant = write.recordedVariant;
    startExchange({Operation::Kind::WriteSlot, slot}, write.plan);
}

TDeviceEditor::SlotWrite TDeviceEditor::slotWrite(int slot) const
{
    return {definition().slotWrite(m_variant, slot), definition().slotVariant(m_variant)};
}

void TDeviceEditor::LoadFromConfigurator(int slot)
{
    exchange().resetImages(eepromSize(), memorySize());
    startExchange({Operation::Kind::ReadSlot, slot}, definition().slotRead(m_variant, slot));
}

void TDeviceEditor::EndRead()
{
    if (!exchange().WriteRequested) {
        fillControlsFromImages();
        m_holdsSettings = true;
        setCaption(m_title + kCaptionSeparator + QStringLiteral("завантажено з приладу"));
    }
}

void TDeviceEditor::ErrorTransmit()
{
    if (m_operation.reads()) {
        // The controls keep what they showed, which is not what the device holds.
        setCaption(m_title + kCaptionSeparator + QStringLiteral("зчитування не завершено"));
    }
}

void TDeviceEditor::PrepareToSave(const QString &fileName)
{
    FillArrayByDataForEEPROM();
    FillArrayByDataForMemory();
    const settingsfile::Header header{modelInfo(m_model).typeCode, recordedVersion()};
    if (!settingsfile::write(fileName, header, exchange().EepromImage, eepromSize(),
                             exchange().MemoryImage, memorySize()))
        ShowError(kErrWriteFile);
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
}

void TDeviceEditor::closeEvent(QCloseEvent *event)
{
    storeSubWindowPlacement(m_shell, *this);
    if (!isIdle()) {
        event->ignore();
        return;
    }
    event->accept();
}

void TDeviceEditor::showEvent(QShowEvent *event)
{
    EditorWindow::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        restoreSubWindowPlacement(m_shell, *this);
    }
}
