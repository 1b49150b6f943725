#include "deviceeditor.h"

#include "comport.h"
#include "exchangereport.h"
#include "linkevents.h"
#include "packets.h"
#include "proc.h"
#include "progress.h"
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
    : EditorWindow(parent), m_model(model), m_shell(shell)
{
    setObjectName(QString::fromLatin1(modelInfo(model).component));
}

TDeviceEditor::~TDeviceEditor() = default;

ExchangeState &TDeviceEditor::exchange() const
{
    return m_shell.exchange();
}

int TDeviceEditor::eepromSize() const
{
    return modelInfo(m_model).eepromSize;
}

int TDeviceEditor::memorySize() const
{
    return modelInfo(m_model).memorySize;
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

void TDeviceEditor::beginExchange(const Operation &operation)
{
    m_started.start();
    m_idle = false;
    m_operation = operation;
    m_list = std::make_unique<TPacketList>();
}

void TDeviceEditor::showStage(const QString &text)
{
    if (TProgressForm *progress = TProgressForm::instance())
        progress->setText(text);
    m_shell.setStatusText(0, text);
}

void TDeviceEditor::LoadFromDevice()
{
    beginExchange({Operation::Kind::ReadDevice});
    exchange().resetImages(eepromSize(), deviceReadMemorySize());
    showStage(QStringLiteral("Отримання даних з EEPROM"));
    appendDeviceRead(*m_list, Area::Eeprom);
    showStage(QStringLiteral("Отримання даних з памяті"));
    appendDeviceRead(*m_list, Area::Memory);
    startExchange();
}

bool TDeviceEditor::acceptsIdentifiedDevice()
{
    return exchange().DeviceType == modelInfo(m_model).typeCode
           && exchange().FirmwareVariant == m_variant;
}

void TDeviceEditor::LoadToDevice()
{
    if (!acceptsIdentifiedDevice()) {
        m_shell.EndAnimation();
        m_idle = true;
        const Operation operation{Operation::Kind::WriteDevice};
        m_shell.setStatusText(0, operationFailedStatus(operation, QStringLiteral("дані не відповідають типу приладу")));
        ShowError(kErrDataNotForDevice,
                  deviceMismatchDetail(exchange().DeviceType, exchange().FirmwareVariant,
                                       slotDescription(exchange().DeviceType, exchange().FirmwareVariant), m_title,
                                       modelInfo(m_model).typeCode, m_variant));
        return;
    }
    beginExchange({Operation::Kind::WriteDevice});
    showStage(QStringLiteral("Запис даних в EEPROM"));
    FillArrayByDataForEEPROM();
    appendDeviceWrite(*m_list, Area::Eeprom);
    showStage(QStringLiteral("Запис даних у память"));
    FillArrayByDataForMemory();
    appendDeviceWrite(*m_list, Area::Memory);
    startExchange();
}

void TDeviceEditor::LoadToConfigurator(int slot)
{
    m_shell.BeginAnimation(); // no identification precedes a slot write
    beginExchange({Operation::Kind::WriteSlot, slot});
    showStage(QStringLiteral("Запис даних в конфігуратор (конфігурація %1)").arg(slot));
    FillArrayByDataForEEPROM();
    FillArrayByDataForMemory();
    exchange().FirmwareVariant = configuratorVariant();
    appendConfiguratorWrite(*m_list, slot);
    startExchange();
}

void TDeviceEditor::LoadFromConfigurator(int slot)
{
    beginExchange({Operation::Kind::ReadSlot, slot});
    exchange().resetImages(eepromSize(), memorySize());
    showStage(QStringLiteral("Отримання даних з конфігуратора"));
    appendConfiguratorRead(*m_list, slot);
    startExchange();
}

void TDeviceEditor::startExchange()
{
    if (TProgressForm *progress = TProgressForm::instance()) {
        progress->setMaximum(int(m_list->size()));
        progress->setPosition(0);
    }
    m_link = m_shell.createLink();
    m_link->setOperation(m_operation);
    showProgressOf(*m_link);
    if (m_list->isEmpty() || !m_link->OpenPort()) {
        const LinkOutcome outcome = m_link->outcome();
        endExchangeUnstarted();
        reportOpenFailure(m_shell, outcome);
        return;
    }
    if (!m_link->Start(this, m_list.get()))
        endExchangeUnstarted();
}

void TDeviceEditor::endExchangeUnstarted()
{
    releaseExchange();
    m_shell.EndAnimation();
    m_idle = true;
}

bool TDeviceEditor::event(QEvent *e)
{
    return handleExchangeEnd(e, [this] { EndRead(); }, [this] { ErrorTransmit(); }) || EditorWindow::event(e);
}

void TDeviceEditor::releaseExchange()
{
    m_link.reset();
    m_list.reset();
}

void TDeviceEditor::showElapsed()
{
    m_shell.setStatusText(1, QStringLiteral("Time execute   %1 ms").arg(m_started.elapsed()));
}

void TDeviceEditor::EndRead()
{
    releaseExchange();
    if (!exchange().WriteRequested) {
        fillControlsFromImages();
        m_holdsSettings = true;
        setCaption(m_title + kCaptionSeparator + QStringLiteral("завантажено з приладу"));
    }
    m_shell.EndAnimation();
    showElapsed();
    m_shell.setStatusText(0, QStringLiteral("Обмін даними пройшов успішно"));
    m_idle = true;
}

void TDeviceEditor::ErrorTransmit()
{
    const LinkOutcome outcome = m_link ? m_link->outcome() : LinkOutcome{m_operation, {}, {}, {}};
    releaseExchange();
    m_shell.EndAnimation();
    if (m_operation.reads()) {
        // The controls keep what they showed, which is not what the device holds.
        setCaption(m_title + kCaptionSeparator + QStringLiteral("зчитування не завершено"));
    }
    showElapsed();
    m_idle = true;
    reportTransmitFailure(m_shell, outcome);
}

void TDeviceEditor::PrepareToSave(const QString &fileName)
{
    FillArrayByDataForEEPROM();
    FillArrayByDataForMemory();
    const settingsfile::Header header{modelInfo(m_model).typeCode, m_variant};
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
    if (!m_idle) {
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
