#include "select.h"

#include "registry.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// The title panel starts a system move of the window when pressed.
class TitlePanel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && window()->windowHandle())
            window()->windowHandle()->startSystemMove();
    }
};

// A small drawing of a device front: housing, display window and indicator lamps.
QPixmap devicePicture()
{
    QPixmap picture(72, 52);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient housing(0, 0, 0, picture.height());
    housing.setColorAt(0, QColor(0xF4, 0xF4, 0xF0));
    housing.setColorAt(1, QColor(0xC8, 0xC8, 0xC0));
    p.setPen(QColor(0x70, 0x70, 0x70));
    p.setBrush(housing);
    p.drawRoundedRect(QRectF(2, 2, 68, 48), 6, 6);
    p.setBrush(QColor(0x30, 0x40, 0x30));
    p.drawRect(QRectF(10, 9, 32, 12));
    const QColor lamps[] = {Qt::red, QColor(0xFF, 0xB0, 0x00), Qt::green};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lamps[i]);
        p.drawEllipse(QPointF(52 + (i % 2) * 8, 12 + i * 8), 3, 3);
    }
    p.setBrush(QColor(0x90, 0x90, 0x90));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(10 + i * 9, 30, 6, 6));
    return picture;
}

} // namespace

SelectLink::SelectLink(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setHovered(false);
}

void SelectLink::setHovered(bool hovered)
{
    QFont f = font();
    f.setUnderline(hovered);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, hovered ? Qt::blue : Qt::black);
    setPalette(p);
}

void SelectLink::enterEvent(QEnterEvent *)
{
    setHovered(true);
}

void SelectLink::leaveEvent(QEvent *)
{
    setHovered(false);
}

void SelectLink::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

TSelectForm::TSelectForm(QWidget *mainWindow, Opener open)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_mainWindow(mainWindow),
      m_open(std::move(open))
{
    setObjectName(QStringLiteral("SelectForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 8);
    layout->addWidget(createTitlePanel());
    layout->addWidget(createLinks());
}

QWidget *TSelectForm::createTitlePanel()
{
    auto *panel = new QWidget(this);
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, QColor(0x30, 0x50, 0x90));
    p.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(p);
    auto *title = new TitlePanel(QStringLiteral("Вибір приладу"), panel);
    title->setObjectName(QStringLiteral("lbCaption"));
    auto *closeButton = new QPushButton(QStringLiteral("✕"), panel);
    closeButton->setObjectName(QStringLiteral("btnClose"));
    closeButton->setFlat(true);
    closeButton->setFixedWidth(28);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto *row = new QHBoxLayout(panel);
    row->addWidget(title, 1);
    row->addWidget(closeButton);
    return panel;
}

QWidget *TSelectForm::createLinks()
{
    auto *area = new QWidget(this);
    auto *grid = new QGridLayout(area);
    QString heading;
    int column = -1;
    int row = 0;
    for (const SelectionLink &entry : selectionLinks()) {
        if (heading != QString::fromUtf8(entry.heading)) {
            heading = QString::fromUtf8(entry.heading);
            ++column;
            row = 0;
            auto *picture = new QLabel(area);
            picture->setPixmap(devicePicture());
            grid->addWidget(picture, row++, column, Qt::AlignTop | Qt::AlignHCenter);
            auto *label = new QLabel(QStringLiteral("<b>%1</b>").arg(heading), area);
            grid->addWidget(label, row++, column, Qt::AlignTop);
        }
        auto *link = new SelectLink(QString::fromUtf8(entry.text), area);
        link->setObjectName(QStringLiteral("Link%1").arg(entry.number));
        connect(link, &SelectLink::clicked, this,
                [this, entry] { m_open(entry.model, entry.variant); });
        grid->addWidget(link, row++, column, Qt::AlignTop);
    }
    grid->setRowStretch(9, 1);
    return area;
}

void TSelectForm::centreOnMainWindow()
{
    adjustSize();
    move(m_mainWindow->frameGeometry().center() - rect().center());
}
