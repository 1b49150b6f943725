#include "programmator.h"

#include "dialogs.h"
#include "eventrecording.h"
#include "exchangeflow.h"
#include "exchangereport.h"
#include "portsettings.h"
#include "proc.h"
#include "shell.h"
#include "subwindowplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyleOptionTitleBar>
#include <QVBoxLayout>

namespace {
constexpr int kToDevice = 0;
constexpr int kToConfigurator = 1;

// The width at which the title bar shows the whole caption beside its icon and buttons,
// in the title font the sub-windows use.
int captionWidth(const QMdiSubWindow &frame)
{
    QStyleOptionTitleBar bar;
    bar.initFrom(&frame);
    bar.rect = frame.rect();
    bar.titleBarFlags = frame.windowFlags();
    bar.titleBarState = frame.windowState();
    bar.subControls = QStyle::SC_All;
    const QRect label = frame.style()->subControlRect(QStyle::CC_TitleBar, &bar, QStyle::SC_TitleBarLabel, &frame);
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    return frame.width() - label.width() + metrics.horizontalAdvance(frame.windowTitle() + u' ');
}

QLabel *addValueRow(QFormLayout *form, const QString &caption, const QString &objectName)
{
    auto *value = new QLabel;
    value->setObjectName(objectName);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse); // the CRC can be copied
    form->addRow(caption, value);
    return value;
}
} // namespace

TProgrammatorForm::TProgrammatorForm(Shell &shell, QWidget *parent)
    : QWidget(parent),
      m_shell(shell),
      m_target(new QComboBox(this)),
      m_load(new QPushButton(QStringLiteral("Завантажити"), this))
{
    setObjectName(QStringLiteral("ProgrammatorForm"));
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetMinimumSize); // every text stays whole
    auto *summary = new QFormLayout;
    layout->addLayout(summary);
    m_fileName = addValueRow(summary, QStringLiteral("Файл:"), QStringLiteral("lbFileName"));
    m_fileSize = addValueRow(summary, QStringLiteral("Розмір файлу:"), QStringLiteral("lbFileSize"));
    m_addresses = addValueRow(summary, QStringLiteral("Адреси:"), QStringLiteral("lbAddresses"));
    m_bytes = addValueRow(summary, QStringLiteral("Байтів до запису:"), QStringLiteral("lbByteCount"));
    m_deviceName = addValueRow(summary, QStringLiteral("Прилад:"), QStringLiteral("lbDeviceName"));
    m_crc = addValueRow(summary, QStringLiteral("CRC-32 даних:"), QStringLiteral("lbCrc"));
    m_deviceName->setText(QStringLiteral("(невизначено)"));
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("lbFileState"));
    m_state->setWordWrap(true);
    m_target->setObjectName(QStringLiteral("cbSelectWhere"));
    m_load->setObjectName(QStringLiteral("abtnLoad"));
    m_load->setEnabled(false);
    connect(m_load, &QPushButton::clicked, this, &TProgrammatorForm::abtnLoadClick);
    layout->addWidget(m_state);
    layout->addWidget(m_target);
    layout->addWidget(m_load);
    layout->addStretch();
}

TProgrammatorForm::~TProgrammatorForm() = default;

bool TProgrammatorForm::OpenHex(const QString &fileName)
{
    setWindowTitle(fileName);
    if (parentWidget())
        parentWidget()->setWindowTitle(fileName);
    m_path = QFileInfo(fileName).absoluteFilePath();
    const HexFile file = readHexFile(fileName);
    m_firmware = file.parsed.firmware;
    showSummary(fileName, file);
    if (!file.parsed.ok())
        refuse(file.parsed.error);
    fillTargets(PortSettings::load().baudRate);
    return file.parsed.ok();
}

// The status bar may still speak of the last write: it now says the file was refused.
void TProgrammatorForm::refuse(const HexError &error)
{
    m_shell.setStatusText(0, QStringLiteral("Файл %1 не можна завантажити").arg(m_fileName->text()));
    m_shell.setStatusText(1, QString());
    if (error.reason == HexError::Reason::FileUnreadable)
        ShowError(kErrReadFile);
    else
        dialogs().showMessage(Dialogs::Kind::Error,
                              QStringLiteral("Файл %1 не можна завантажити, нічого не записано.\n%2")
                                  .arg(m_fileName->text(), hexErrorText(error)));
}

void TProgrammatorForm::showSummary(const QString &fileName, const HexFile &file)
{
    const FirmwareSummary summary = summarize(fileName, file);
    m_fileName->setText(summary.fileName);
    m_fileSize->setText(summary.size);
    m_addresses->setText(summary.addresses);
    m_bytes->setText(summary.bytes);
    m_deviceName->setText(summary.device);
    m_crc->setText(summary.crc);
    m_state->setText(summary.state);
    m_loadable = summary.loadable;
    m_load->setEnabled(m_loadable);
    fitFrame();
}

// Grows the sub-window to show every text of the file just opened, and its caption (the
// file's path) as far as the window area allows.
void TProgrammatorForm::fitFrame()
{
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!frame || frame->isMaximized() || frame->isMinimized())
        return;
    layout()->activate(); // the new texts' sizes count at once, not at the next layout pass
    QSize size = frame->size().expandedTo(frame->sizeHint());
    if (QMdiArea *area = frame->mdiArea())
        size.setWidth(std::max(size.width(), std::min(captionWidth(*frame), area->viewport()->width())));
    frame->resize(size);
}

void TProgrammatorForm::fillTargets(qint32 baudRate)
{
    m_target->clear();
    m_target->addItems(programmerTargets(baudRate));
    m_target->setCurrentIndex(0);
}

bool TProgrammatorForm::canStart(int target) const
{
    // An exchange is never started with nothing to send.
    if (target < 0) {
        dialogs().showMessage(Dialogs::Kind::Information,
                              QStringLiteral("Запис можливий лише на швидкості порту 9600 (в прилад) "
                                             "або 38400 (в прилад чи в программатор)."));
        return false;
    }
    if (m_firmware.lines.isEmpty()) {
        dialogs().showMessage(Dialogs::Kind::Information,
                              QStringLiteral("У файлі немає даних прошивки для запису."));
        return false;
    }
    if (target == kToConfigurator && m_firmware.merged.size() > configurator::kFirmwareMaxBlocks) {
        dialogs().showMessage(Dialogs::Kind::Information,
                              QStringLiteral("Прошивка займає %1 блоків, а программатор вміщує не більше %2.")
                                  .arg(m_firmware.merged.size())
                                  .arg(configurator::kFirmwareMaxBlocks));
        return false;
    }
    return true;
}

void TProgrammatorForm::abtnLoadClick()
{
    if (!isIdle())
        return;
    const int target = m_target->currentIndex();
    if (!canStart(target))
        return;
    const bool toConfigurator = target == kToConfigurator;
    if (toConfigurator) {
        const QString question = confirmationQuestion(m_firmware, std::nullopt);
        if (!question.isEmpty() && !dialogs().askYesNoSafely(question))
            return;
    }
    m_shell.BeginAnimation();
    FlowQuestions questions;
    questions.flashOtherDevice = [this](const DeviceIdentity &found) { return flashOtherDevice(found); };
    m_writing = true; // until EndRead, which a port that does not open calls at once
    if (!m_shell.flow().flash(firmwareJob(m_firmware, toConfigurator), questions,
                              [this](const FlowResult &result) { EndRead(result); }))
        m_writing = false;
}

void TProgrammatorForm::setTransfersEnabled(bool enabled)
{
    m_load->setEnabled(enabled && m_loadable);
}

// The question is not hidden behind the busy display.
bool TProgrammatorForm::flashOtherDevice(const DeviceIdentity &found)
{
    m_shell.EndAnimation();
    if (!dialogs().askYesNoSafely(confirmationQuestion(m_firmware, found))) {
        m_shell.setStatusText(0, QStringLiteral("Запис прошивки скасовано"));
        return false;
    }
    m_shell.BeginAnimation();
    return true;
}

void TProgrammatorForm::EndRead(const FlowResult &result)
{
    m_writing = false;
    if (!reportStopped(m_shell, result) && result.ok())
        reportSuccess(m_shell, result);
    const DeviceIdentity &device = result.identity;
    m_shell.recordExchange({EventKind::FirmwareFlash, QString(), device.deviceType, device.variant, {}, m_path}, result);
}

void TProgrammatorForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        restoreSubWindowPlacement(m_shell, *this);
    }
}

void TProgrammatorForm::closeEvent(QCloseEvent *event)
{
    storeSubWindowPlacement(m_shell, *this);
    if (isIdle())
        event->accept();
    else
        event->ignore(); // the exchange owns the port until it ends
}

TProgrammatorForm *showProgrammer(Shell &shell)
{
    QMdiArea *mdi = shell.mdiArea();
    for (QMdiSubWindow *sub : mdi->subWindowList()) {
        if (auto *existing = qobject_cast<TProgrammatorForm *>(sub->widget())) {
            if (sub->isMinimized())
                sub->showNormal();
            mdi->setActiveSubWindow(sub);
            return existing;
        }
    }
    auto *form = new TProgrammatorForm(shell);
    QMdiSubWindow *sub = mdi->addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    shell.onPortSettingsStored(form, [form](int baudRate) { form->fillTargets(baudRate); });
    shell.onTransferCommandsEnabled(form, [form](bool enabled) { form->setTransfersEnabled(enabled); });
    sub->show();
    sub->resize(sub->sizeHint());
    mdi->setActiveSubWindow(sub);
    return form;
}
