#pragma once

#include "controlstartsettings.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QSpinBox;

// "Напрямок <n>": one extinguishing direction's supply (cbVoltage<n>), release control
// (ckbControl<n>), evacuation delay (udEvak<n>, seconds) and release time (udIssue<n>, minutes).
class DirectionGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit DirectionGroup(int number, QWidget *parent = nullptr);

    void load(const controlstart::Direction &direction);
    controlstart::Direction value() const;

Q_SIGNALS:
    void changed();

private:
    QSpinBox *addSpinner(const QString &name, const SpinnerRange &range, const QString &caption);

    QComboBox *m_supply;
    QCheckBox *m_control;
    QSpinBox *m_evacuation;
    QSpinBox *m_release;
};
