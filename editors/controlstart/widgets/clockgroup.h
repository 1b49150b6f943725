#pragma once

#include "controlstartclock.h"

#include <QGroupBox>

class QCheckBox;
class QDateEdit;
class QLabel;
class QRadioButton;
class QTimeEdit;

// The device clock: whether a write sets it (chbWriteClock), to the computer's time
// (rbSystemClock) or to the one given (rbUserClock, DevDate, DevTime), and the clock as last
// read (lbClockDev) with the computer's time then (lbGetClock). The choices are enabled only
// while the clock is to be written.
class ClockGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit ClockGroup(QWidget *parent = nullptr);

    void load(const controlstart::ClockSettings &clock);
    controlstart::ClockSettings value() const;

Q_SIGNALS:
    void changed();

private:
    QLabel *addLabelPair(const QString &caption, const QString &name);
    void chbWriteClockClick();

    QCheckBox *m_write;
    QRadioButton *m_system;
    QRadioButton *m_user;
    QDateEdit *m_date;
    QTimeEdit *m_time;
    QLabel *m_deviceClock = nullptr;
    QLabel *m_readAt = nullptr;
};
