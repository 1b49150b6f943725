#pragma once

#include "timingranges.h"

#include <QColor>

class QLineEdit;
class QSpinBox;
class QString;
class QWidget;

// Controls the parts build alike.

inline const QColor kCaptionGrey(0x80, 0x80, 0x80);

void setTextColour(QWidget *widget, const QColor &colour);
QLineEdit *createNamedEdit(const QString &name, int maxLength);
// Spinner ud<number>; its own edit, the one the report prints, is timeed<number>.
QSpinBox *createNamedSpinner(int number, const SpinnerRange &range);
