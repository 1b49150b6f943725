#include "progress.h"

#include "exchangeflow.h"
#include "shell.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>

namespace {
QPointer<TProgressForm> g_instance;
QPointer<ExchangeFlow> g_flow; // what "Скасувати" stops
const ProgressClock *g_clock = &ProgressClock::steady();
} // namespace

TProgressForm::TProgressForm(QWidget *mainWindow)
    : QFrame(mainWindow),
      m_bar(new QProgressBar(this)),
      m_lbDetails(new QLabel(this)),
      m_btnCancel(new QPushButton(QStringLiteral("Скасувати"), this)),
      m_meter(*g_clock)
{
    setObjectName(QStringLiteral("ProgressForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_lbDetails->setObjectName(QStringLiteral("lbDetails"));
    m_lbDetails->setMinimumWidth(
        m_lbDetails->fontMetrics().horizontalAdvance(QStringLiteral("100 %, 999 999 з 999 999 байт, залишилось 99:99")));
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_bar->setRange(0, 0);
    m_bar->setTextVisible(false);
    m_bar->setFixedWidth(160);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_bar);
    layout->addWidget(m_lbDetails);
    layout->addWidget(m_btnCancel);
    connect(m_btnCancel, &QPushButton::clicked, this, &TProgressForm::requestCancel);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &TProgressForm::requestCancel);
    dockIn(mainWindow);
}

TProgressForm::~TProgressForm() = default;

// A window without a status bar gets the display along its bottom edge.
void TProgressForm::dockIn(QWidget *mainWindow)
{
    if (auto *frame = qobject_cast<QMainWindow *>(mainWindow)) {
        frame->statusBar()->addPermanentWidget(this, 1);
        return;
    }
    if (mainWindow) {
        resize(mainWindow->width(), sizeHint().height());
        move(0, mainWindow->height() - height());
    }
}

TProgressForm *TProgressForm::open(QWidget *mainWindow)
{
    closeAll();
    g_instance = new TProgressForm(mainWindow);
    g_instance->show();
    return g_instance;
}

TProgressForm *TProgressForm::instance()
{
    return g_instance;
}

void TProgressForm::closeAll()
{
    if (g_instance) {
        TProgressForm *form = g_instance;
        g_instance = nullptr;
        form->close(); // deletes itself
    }
}

void TProgressForm::setClock(const ProgressClock &clock)
{
    g_clock = &clock;
}

// Status panel 0 beside the display shows the same text; the bar's hint repeats it.
void TProgressForm::setText(const QString &text)
{
    m_text = text;
    m_bar->setToolTip(text);
}

QString TProgressForm::text() const { return m_text; }
void TProgressForm::setMaximum(int maximum) { m_bar->setMaximum(maximum); }
int TProgressForm::maximum() const { return m_bar->maximum(); }
void TProgressForm::setPosition(int position) { m_bar->setValue(std::min(position, m_bar->maximum())); }
int TProgressForm::position() const { return m_bar->value(); }

void TProgressForm::measure(const TPacketList &list)
{
    m_meter.setClock(*g_clock);
    m_meter.start(list);
    m_measuring = true;
    answered(0);
}

void TProgressForm::answered(int count)
{
    if (m_measuring)
        m_lbDetails->setText(m_meter.details(count));
}

QString TProgressForm::details() const
{
    return m_lbDetails->text();
}

void TProgressForm::requestCancel()
{
    m_cancelRequested = true;
    m_btnCancel->setEnabled(false);
    m_lbDetails->setText(QStringLiteral("скасування після поточного запиту…"));
    m_measuring = false;
    if (g_flow)
        g_flow->cancel();
}

namespace {

// The stage of the request waiting for its answer, on the display and in the status bar.
void showStage(Shell &shell, const PlannedExchange &planned, int answered)
{
    const QString text = planned.stageTextAt(answered);
    if (text.isEmpty())
        return;
    if (TProgressForm *progress = TProgressForm::instance(); progress && progress->text() != text)
        progress->setText(text);
    shell.setStatusText(0, text);
}

} // namespace

// A step whose length says nothing (an identification, a survey) keeps a busy bar.
void showFlowProgress(ExchangeFlow &flow, Shell &shell)
{
    g_flow = &flow;
    auto step = std::make_shared<FlowStep>();
    QObject::connect(&flow, &ExchangeFlow::stepStarted, &flow, [&shell, step](const FlowStep &started) {
        *step = started;
        TProgressForm *progress = TProgressForm::instance();
        if (progress && started.counted) {
            progress->setMaximum(int(started.planned.list.size()));
            progress->setPosition(0);
            progress->measure(started.planned.list);
        }
        showStage(shell, started.planned, 0);
    });
    QObject::connect(&flow, &ExchangeFlow::answered, &flow, [&shell, step](int count) {
        if (TProgressForm *progress = TProgressForm::instance()) {
            progress->setPosition(count + 1);
            if (step->counted)
                progress->answered(count);
        }
        showStage(shell, step->planned, count);
    });
}
