#include "programmator.h"

#include "comport.h"
#include "dialogs.h"
#include "exchangereport.h"
#include "linkevents.h"
#include "main.h"
#include "proc.h"
#include "progress.h"
#include "shell.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kToDevice = 0;
constexpr int kToConfigurator = 1;
} // namespace

TProgrammatorForm::TProgrammatorForm(Shell &shell, QWidget *parent)
    : QWidget(parent),
      m_shell(shell),
      m_deviceName(new QLabel(QStringLiteral("(невизначено)"), this)),
      m_target(new QComboBox(this)),
      m_load(new QPushButton(QStringLiteral("Завантажити"), this))
{
    setObjectName(QStringLiteral("ProgrammatorForm"));
    m_deviceName->setObjectName(QStringLiteral("lbDeviceName"));
    m_deviceName->setAlignment(Qt::AlignCenter);
    m_target->setObjectName(QStringLiteral("cbSelectWhere"));
    m_load->setObjectName(QStringLiteral("abtnLoad"));
    connect(m_load, &QPushButton::clicked, this, &TProgrammatorForm::abtnLoadClick);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_deviceName);
    layout->addWidget(m_target);
    layout->addWidget(m_load);
    layout->addStretch();
    resize(380, 160);
}

TProgrammatorForm::~TProgrammatorForm() = default;

bool TProgrammatorForm::OpenHex(const QString &fileName)
{
    setWindowTitle(fileName);
    if (parentWidget())
        parentWidget()->setWindowTitle(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        ShowError(kErrReadFile);
        return false;
    }
    const HexFirmware previous = m_firmware;
    m_firmware = parseHex(QString::fromLatin1(file.readAll()).split(u'\n'));
    if (!m_firmware.hasTarget) { // a file without a target line keeps the last one shown
        m_firmware.hasTarget = previous.hasTarget;
        m_firmware.deviceType = previous.deviceType;
        m_firmware.variant = previous.variant;
    } else {
        m_deviceName->setText(firmwareDeviceName(m_firmware.deviceType, m_firmware.variant));
    }
    m_link = m_shell.createLink();
    fillTargets(m_link->settings().baudRate);
    return true;
}

void TProgrammatorForm::fillTargets(qint32 baudRate)
{
    m_target->clear();
    m_target->addItems(programmerTargets(baudRate));
    m_target->setCurrentIndex(0);
}

void TProgrammatorForm::abtnLoadClick()
{
    const int target = m_target->currentIndex();
    const QList<THexData> &blocks = target == kToConfigurator ? m_firmware.merged : m_firmware.lines;
    // An exchange is never started with nothing to send.
    if (target < 0) {
        dialogs().showMessage(Dialogs::Kind::Information,
                              QStringLiteral("Запис можливий лише на швидкості порту 9600 (в прилад) "
                                             "або 38400 (в прилад чи в программатор)."));
        return;
    }
    if (blocks.isEmpty()) {
        dialogs().showMessage(Dialogs::Kind::Information,
                              QStringLiteral("У файлі немає даних прошивки для запису."));
        return;
    }
    if (!m_idle)
        return;
    m_started.start();
    m_idle = false;
    m_list = std::make_unique<TPacketList>();
    m_shell.BeginAnimation();
    if (target == kToDevice)
        m_list->AddFirmwareToDevice(blocks);
    else
        m_list->AddFirmwareToConfigurator(m_firmware.deviceType, m_firmware.variant, blocks);
    const QString text = QStringLiteral("Запис HEX");
    TProgressForm::instance()->setText(text);
    TProgressForm::instance()->setMaximum(int(m_list->size()));
    m_shell.setStatusText(0, text);
    if (!m_link)
        m_link = m_shell.createLink();
    m_link->setOperation({target == kToDevice ? Operation::Kind::FirmwareToDevice
                                              : Operation::Kind::FirmwareToConfigurator});
    showProgressOf(*m_link);
    if (!m_link->OpenPort()) {
        const LinkOutcome outcome = m_link->outcome();
        finish();
        reportOpenFailure(m_shell, outcome);
        return;
    }
    if (!m_link->Start(this, m_list.get()))
        finish();
}

void TProgrammatorForm::setTransfersEnabled(bool enabled)
{
    m_load->setEnabled(enabled);
}

bool TProgrammatorForm::event(QEvent *e)
{
    return handleExchangeEnd(e, [this] { EndRead(); }, [this] { ErrorTransmit(); }) || QWidget::event(e);
}

void TProgrammatorForm::finish()
{
    m_list.reset();
    m_link.reset();
    m_shell.EndAnimation();
    m_shell.setStatusText(1, QStringLiteral("Time execute   %1 ms").arg(m_started.elapsed()));
    m_idle = true;
}

void TProgrammatorForm::EndRead()
{
    finish();
    m_shell.setStatusText(0, QStringLiteral("Обмін даними пройшов успішно"));
}

void TProgrammatorForm::ErrorTransmit()
{
    const LinkOutcome outcome = m_link ? m_link->outcome() : LinkOutcome{};
    finish();
    reportTransmitFailure(m_shell, outcome);
}

void TProgrammatorForm::closeEvent(QCloseEvent *event)
{
    if (m_idle)
        event->accept();
    else
        event->ignore(); // the exchange owns the port until it ends
}

TProgrammatorForm *showProgrammer(TMainForm &mainForm)
{
    QMdiArea *mdi = mainForm.mdiArea();
    for (QMdiSubWindow *sub : mdi->subWindowList()) {
        if (auto *existing = qobject_cast<TProgrammatorForm *>(sub->widget())) {
            if (sub->isMinimized())
                sub->showNormal();
            mdi->setActiveSubWindow(sub);
            return existing;
        }
    }
    auto *form = new TProgrammatorForm(mainForm);
    QMdiSubWindow *sub = mdi->addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(&mainForm, &TMainForm::portSettingsStored, form, &TProgrammatorForm::fillTargets);
    QObject::connect(&mainForm, &TMainForm::transferCommandsEnabled, form,
                     &TProgrammatorForm::setTransfersEnabled);
    sub->show();
    mdi->setActiveSubWindow(sub);
    return form;
}
