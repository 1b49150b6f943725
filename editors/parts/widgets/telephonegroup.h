#pragma once

#include "telephonenumber.h"

#include <QGroupBox>

#include <array>

class TelephoneField;

// "Телефонні номери": the first and the second telephone number (edTelNum1, edTelNum2 with
// their buttons).
class TelephoneGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit TelephoneGroup(QWidget *parent = nullptr);

    void load(const std::array<TelephoneNumber, 2> &numbers);
    std::array<TelephoneNumber, 2> value() const;

Q_SIGNALS:
    void changed();

private:
    std::array<TelephoneField *, 2> m_fields{};
};
