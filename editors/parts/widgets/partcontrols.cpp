#include "partcontrols.h"

#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    widget->setPalette(p);
}

QLineEdit *createNamedEdit(const QString &name, int maxLength)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

void markAdjusted(QWidget *control, bool adjusted, const QString &hint)
{
    const QString style =
        QStringLiteral("%1 { background: #ffd0d0; }").arg(QLatin1String(control->metaObject()->className()));
    control->setStyleSheet(adjusted ? style : QString());
    control->setToolTip(adjusted ? hint : QString());
    control->setProperty("adjusted", adjusted);
}

QSpinBox *createNamedSpinner(int number, const SpinnerRange &range)
{
    auto *spin = new QSpinBox;
    spin->setObjectName(QStringLiteral("ud%1").arg(number));
    spin->setRange(range.minimum, range.maximum);
    spin->setSingleStep(range.step);
    spin->setValue(range.minimum);
    if (QLineEdit *line = spin->findChild<QLineEdit *>())
        line->setObjectName(QStringLiteral("timeed%1").arg(number));
    return spin;
}

namespace {

// Asks for room for its whole page, so that an editor opens showing its page unscrolled
// where the screen allows; the scroll bars are for smaller windows.
class WholePageArea : public QScrollArea
{
public:
    QSize sizeHint() const override
    {
        if (!widget())
            return QScrollArea::sizeHint();
        const int frame = 2 * frameWidth();
        return widget()->sizeHint() + QSize(frame, frame);
    }
};

} // namespace

QScrollArea *createScrolledPage(QWidget *page, const QString &name)
{
    auto *area = new WholePageArea;
    area->setObjectName(name);
    area->setWidget(page);
    area->setWidgetResizable(true);
    return area;
}
