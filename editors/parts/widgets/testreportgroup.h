#pragma once

#include "timingranges.h"

#include <QGroupBox>

#include <span>

class QSpinBox;

// "Параметри передачі тестового сповіщення": the first report's hour and minute (ud8, ud9)
// and the period's days, hours and minutes (ud10 to ud12), in this order.
class TestReportGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit TestReportGroup(QWidget *parent = nullptr);

    void load(std::span<const int, kTestReportFieldCount> values);
    void store(std::span<int, kTestReportFieldCount> values) const;
    // A value the device holds that a spinner cannot show is shown as the nearest one and
    // marked, so the user does not take it for what the device holds.
    void markAdjusted(const std::array<bool, kTestReportFieldCount> &adjusted);

Q_SIGNALS:
    void changed();

private:
    void addSpinner(int field, int row, int column, const QString &unit);

    std::array<QSpinBox *, kTestReportFieldCount> m_spinners{};
};
