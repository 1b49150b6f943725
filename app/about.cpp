#include "about.h"

#include "buildinfo.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

QPixmap aboutPicture()
{
    QPixmap picture(420, 240);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, picture.height());
    gradient.setColorAt(0, QColor(0xB0, 0x10, 0x10));
    gradient.setColorAt(1, QColor(0x40, 0x00, 0x00));
    p.fillRect(picture.rect(), gradient);
    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPointSize(28);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 40, picture.width(), 60), Qt::AlignCenter, QStringLiteral("Vex-Loader"));
    QFont body = p.font();
    body.setPointSize(11);
    body.setBold(false);
    p.setFont(body);
    p.drawText(QRect(20, 110, picture.width() - 40, 100), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Програма для читання, запису налаштувань приладів \"КОРВЕЛ\""));
    body.setPointSize(9);
    p.setFont(body);
    p.drawText(QRect(0, picture.height() - 34, picture.width(), 24), Qt::AlignCenter,
               QStringLiteral("Версія %1, зібрано %2").arg(programVersion(), buildDate()));
    return picture;
}

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_picture(aboutPicture())
{
    setObjectName(QStringLiteral("AboutForm"));
    setFixedSize(m_picture.size());
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

void TAboutForm::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void TAboutForm::mousePressEvent(QMouseEvent *)
{
    accept();
}

void TAboutForm::showAsSplash(int milliseconds)
{
    show();
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    wait.exec();
    close();
}
