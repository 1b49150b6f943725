#include "select.h"

#include "main.h"
#include "registry.h"

#include <QGridLayout>
#include <QMouseEvent>
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

TSelectForm::TSelectForm(TMainForm *mainForm)
    : QWidget(mainForm, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_main(mainForm)
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
            auto *label = new QLabel(QStringLiteral("<b>%1</b>").arg(heading), area);
            grid->addWidget(label, row++, column, Qt::AlignTop);
        }
        auto *link = new SelectLink(QString::fromUtf8(entry.text), area);
        link->setObjectName(QStringLiteral("Link%1").arg(entry.number));
        connect(link, &SelectLink::clicked, this,
                [this, entry] { m_main->openEditor(entry.model, entry.variant); });
        grid->addWidget(link, row++, column, Qt::AlignTop);
    }
    grid->setRowStretch(8, 1);
    return area;
}

void TSelectForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    adjustSize();
    move(m_main->frameGeometry().center() - rect().center());
}
