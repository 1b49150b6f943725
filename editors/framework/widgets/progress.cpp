#include "progress.h"

#include "comport.h"

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
QPointer<TMainCPort> g_link; // the exchange "Скасувати" stops
const ProgressClock *g_clock = &ProgressClock::steady();
} // namespace

TProgressForm::TProgressForm(QWidget *mainWindow)
    : QFrame(mainWindow),
      m_lbInfo(new QLabel(this)),
      m_bar(new QProgressBar(this)),
      m_lbDetails(new QLabel(this)),
      m_btnCancel(new QPushButton(QStringLiteral("Скасувати"), this)),
      m_meter(*g_clock)
{
    setObjectName(QStringLiteral("ProgressForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_lbInfo->setObjectName(QStringLiteral("lbInfo"));
    m_lbDetails->setObjectName(QStringLiteral("lbDetails"));
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_bar->setRange(0, 0);
    m_bar->setTextVisible(false);
    m_bar->setFixedWidth(160);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lbInfo);
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

void TProgressForm::setText(const QString &text) { m_lbInfo->setText(text); }
QString TProgressForm::text() const { return m_lbInfo->text(); }
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
    if (g_link)
        g_link->cancel();
}

void showProgressOf(TMainCPort &link)
{
    g_link = &link;
    QObject::connect(&link, &TMainCPort::progressed, &link, [](int position) {
        if (TProgressForm *progress = TProgressForm::instance())
            progress->setPosition(position);
    });
}
