#include "telephonegroup.h"

#include "telephonefield.h"

#include <QVBoxLayout>

TelephoneGroup::TelephoneGroup(QWidget *parent) : QGroupBox(QStringLiteral("Телефонні номери"), parent)
{
    auto *layout = new QVBoxLayout(this);
    const std::array<QString, 2> captions{QStringLiteral("Перший телефонний номер"),
                                          QStringLiteral("Другий телефонний номер")};
    for (std::size_t n = 0; n < m_fields.size(); ++n) {
        m_fields[n] = new TelephoneField({int(n) + 1, captions[n]});
        connect(m_fields[n], &TelephoneField::changed, this, &TelephoneGroup::changed);
        layout->addWidget(m_fields[n]);
    }
}

void TelephoneGroup::load(const std::array<TelephoneNumber, 2> &numbers)
{
    for (std::size_t n = 0; n < m_fields.size(); ++n)
        m_fields[n]->load(numbers[n]);
}

std::array<TelephoneNumber, 2> TelephoneGroup::value() const
{
    return {m_fields[0]->value(), m_fields[1]->value()};
}
