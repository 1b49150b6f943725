#include "partcontrols.h"

#include <QLineEdit>
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
