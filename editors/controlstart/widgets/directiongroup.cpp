#include "directiongroup.h"

#include "controlstartreport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace controlstart;

DirectionGroup::DirectionGroup(int number, QWidget *parent)
    : QGroupBox(QStringLiteral("Напрямок %1").arg(number), parent),
      m_supply(new QComboBox),
      m_control(new QCheckBox(QStringLiteral("Контролювання випуску")))
{
    auto *form = new QFormLayout(this);
    m_supply->setObjectName(QStringLiteral("cbVoltage%1").arg(number));
    m_supply->addItems(supplyItems());
    m_control->setObjectName(QStringLiteral("ckbControl%1").arg(number));
    form->addRow(QStringLiteral("Живлення"), m_supply);
    form->addRow(m_control);
    m_evacuation = addSpinner(QStringLiteral("udEvak%1").arg(number), kEvacuationRange,
                              QStringLiteral("Час затримки на евакуацію, сек"));
    m_release = addSpinner(QStringLiteral("udIssue%1").arg(number), kReleaseRange,
                           QStringLiteral("Час випускання вогнегасної речовини, хв"));
    connect(m_supply, &QComboBox::activated, this, &DirectionGroup::changed);
    connect(m_control, &QCheckBox::clicked, this, &DirectionGroup::changed);
}

QSpinBox *DirectionGroup::addSpinner(const QString &name, const SpinnerRange &range, const QString &caption)
{
    auto *spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setRange(range.minimum, range.maximum);
    spin->setSingleStep(range.step);
    connect(spin, &QSpinBox::valueChanged, this, &DirectionGroup::changed);
    static_cast<QFormLayout *>(layout())->addRow(caption, spin);
    return spin;
}

void DirectionGroup::load(const Direction &direction)
{
    const QSignalBlocker evacuation(m_evacuation);
    const QSignalBlocker release(m_release);
    m_supply->setCurrentIndex(direction.supply);
    m_control->setChecked(direction.releaseControl);
    m_evacuation->setValue(direction.evacuationDelay);
    m_release->setValue(direction.releaseTime);
}

Direction DirectionGroup::value() const
{
    return {m_supply->currentIndex(), m_control->isChecked(), m_evacuation->value(), m_release->value()};
}
