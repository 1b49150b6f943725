#include "progress.h"

#include "comport.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {
QPointer<TProgressForm> g_instance;
}

TProgressForm::TProgressForm(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_lbInfo(new QLabel(this)),
      m_bar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("ProgressForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(360, 80);
    setAutoFillBackground(true);
    m_lbInfo->setObjectName(QStringLiteral("lbInfo"));
    m_lbInfo->setAlignment(Qt::AlignCenter);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->addWidget(m_lbInfo);
    centreOn(mainWindow);
}

TProgressForm::~TProgressForm() = default;

void TProgressForm::centreOn(QWidget *mainWindow)
{
    if (!mainWindow)
        return;
    const QRect frame = mainWindow->frameGeometry();
    move(frame.center() - QPoint(width() / 2, height() / 2));
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

void TProgressForm::setText(const QString &text) { m_lbInfo->setText(text); }
QString TProgressForm::text() const { return m_lbInfo->text(); }
void TProgressForm::setMaximum(int maximum) { m_bar->setMaximum(maximum); }
int TProgressForm::maximum() const { return m_bar->maximum(); }
void TProgressForm::setPosition(int position) { m_bar->setValue(std::min(position, m_bar->maximum())); }
int TProgressForm::position() const { return m_bar->value(); }

void showProgressOf(TMainCPort &link)
{
    QObject::connect(&link, &TMainCPort::progressed, &link, [](int position) {
        if (TProgressForm *progress = TProgressForm::instance())
            progress->setPosition(position);
    });
}
