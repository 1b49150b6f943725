#pragma once

#include "timingranges.h"

#include <QGroupBox>

#include <span>

class QLabel;
class QLineEdit;
class QSpinBox;

struct TimingGroupConfig {
    bool systemAddress = false; // edAddress: the panel's address in a 16.64 system
};

// "Часові налаштування": the coincidence time (ud5, seconds), the siren time (ud6, seconds)
// and the line-fault time (ud7, minutes), in this order, and the system address where the
// device has one.
class TimingGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit TimingGroup(const TimingGroupConfig &config, QWidget *parent = nullptr);

    void load(std::span<const int, kTimingValueCount> values, const QString &address);
    void store(std::span<int, kTimingValueCount> values, QString &address) const;

    // The coincidence time matters only while some zone uses "по одному СП".
    void setCoincidenceEnabled(bool enabled);
    // Firmware without a line-fault time keeps it at 0.
    void setLineFaultSupported(bool supported);
    void setAddressEnabled(bool enabled);
    void clearAddress(); // "0": the device is in no system

Q_SIGNALS:
    void changed();

private:
    void addRow(int row, QLabel *label, int value, const QString &unit);

    std::array<QSpinBox *, kTimingValueCount> m_spinners{};
    QLabel *m_coincidenceLabel;
    QLabel *m_lineFaultLabel;
    QLabel *m_addressLabel = nullptr;
    QLineEdit *m_address = nullptr;
};
