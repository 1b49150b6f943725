#pragma once

#include "timingranges.h"

#include <QColor>

class QLineEdit;
class QScrollArea;
class QSpinBox;
class QString;
class QWidget;

// Controls the parts build alike.

inline const QColor kCaptionGrey(0x80, 0x80, 0x80);

void setTextColour(QWidget *widget, const QColor &colour);
QLineEdit *createNamedEdit(const QString &name, int maxLength);
// Marks a control that shows a stored value other than it would take from the user (the
// nearest value it can show, or bytes as stored): a pink background, `hint` as its tooltip
// and the property "adjusted"; unmarked, it is plain again.
void markAdjusted(QWidget *control, bool adjusted, const QString &hint);
// A page of an editor in a scroll area of that name.
QScrollArea *createScrolledPage(QWidget *page, const QString &name);
// Spinner ud<number>; its own edit, the one the report prints, is timeed<number>.
QSpinBox *createNamedSpinner(int number, const SpinnerRange &range);
