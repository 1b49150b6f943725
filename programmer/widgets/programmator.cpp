#include "programmator.h"

#include "comport.h"
#include "dialogs.h"
#include "exchangesession.h"
#include "proc.h"
#include "shell.h"
#include "subwindowplacement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kToDevice = 0;
constexpr int kToConfigurator = 1;
const QString kWriteText = QStringLiteral("Запис HEX");

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
      m_load(new QPushButton(QStringLiteral("Завантажити"), this)),
      m_session(new ExchangeSession(shell, this))
{
    connect(m_session, &ExchangeSession::finished, this, &TProgrammatorForm::EndRead);
    connect(m_session, &ExchangeSession::failed, this, [this] { m_stage = Stage::Idle; });
    connect(m_session, &ExchangeSession::cancelled, this, [this] { m_stage = Stage::Idle; });
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
    const HexFile file = readHexFile(fileName);
    m_firmware = file.parsed.firmware;
    showSummary(fileName, file);
    if (file.parsed.error.reason == HexError::Reason::FileUnreadable)
        ShowError(kErrReadFile);
    else if (!file.parsed.ok())
        dialogs().showMessage(Dialogs::Kind::Error,
                              QStringLiteral("Файл %1 не можна завантажити, нічого не записано.\n%2")
                                  .arg(m_fileName->text(), hexErrorText(file.parsed.error)));
    fillTargets(m_shell.createLink()->settings().baudRate);
    return file.parsed.ok();
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

// Grows the sub-window to show every text of the file just opened.
void TProgrammatorForm::fitFrame()
{
    QWidget *frame = parentWidget();
    if (!frame || frame->isMaximized() || frame->isMinimized())
        return;
    layout()->activate(); // the new texts' sizes count at once, not at the next layout pass
    frame->resize(frame->size().expandedTo(frame->sizeHint()));
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
    if (target == kToConfigurator) {
        const QString question = confirmationQuestion(m_firmware, std::nullopt);
        if (!question.isEmpty() && !dialogs().askYesNo(question))
            return;
    }
    m_shell.BeginAnimation();
    if (target == kToConfigurator) {
        startWriting(kToConfigurator);
        return;
    }
    // The device says what it is before anything is written into it.
    m_stage = Stage::Identifying;
    if (!m_session->startIdentification({Operation::Kind::FirmwareToDevice}))
        m_stage = Stage::Idle;
}

void TProgrammatorForm::setTransfersEnabled(bool enabled)
{
    m_load->setEnabled(enabled && m_loadable);
}

void TProgrammatorForm::afterIdentification()
{
    const ExchangeState &state = m_shell.exchange();
    const QString question =
        confirmationQuestion(m_firmware, DeviceIdentity{state.DeviceType, state.FirmwareVariant});
    if (!question.isEmpty()) {
        m_shell.EndAnimation(); // the question is not hidden behind the progress window
        if (!dialogs().askYesNo(question)) {
            m_stage = Stage::Idle;
            m_shell.setStatusText(0, QStringLiteral("Запис прошивки скасовано"));
            return;
        }
        m_shell.BeginAnimation();
    }
    startWriting(kToDevice);
}

void TProgrammatorForm::startWriting(int target)
{
    m_stage = Stage::Writing;
    PlannedExchange planned;
    planned.stageStarts = {0};
    planned.stageTexts = {kWriteText};
    if (target == kToDevice)
        planned.list.AddFirmwareToDevice(m_firmware.lines);
    else
        planned.list.AddFirmwareToConfigurator(m_firmware.deviceType, m_firmware.variant, m_firmware.merged);
    const Operation operation{target == kToDevice ? Operation::Kind::FirmwareToDevice
                                                  : Operation::Kind::FirmwareToConfigurator};
    if (!m_session->start(operation, std::move(planned)))
        m_stage = Stage::Idle;
}

void TProgrammatorForm::EndRead()
{
    if (m_stage == Stage::Identifying)
        afterIdentification();
    else
        m_stage = Stage::Idle;
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
