#include "timinggroup.h"

#include "keyfilteredit.h"
#include "partcontrols.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

enum TimingValue { kCoincidence, kSiren, kLineFault };
constexpr int kFirstSpinner = 5; // ud5
constexpr int kAddressLength = 2;

} // namespace

TimingGroup::TimingGroup(const TimingGroupConfig &config, QWidget *parent)
    : QGroupBox(QStringLiteral("Часові налаштування"), parent)
{
    new QGridLayout(this);
    m_coincidenceLabel = new QLabel(QStringLiteral("Час виявлення збігу (рек. 60)"));
    m_lineFaultLabel = new QLabel(QStringLiteral("Час виявлення несправності лінії"));
    addRow(kCoincidence, m_coincidenceLabel, kCoincidence, QStringLiteral("сек"));
    addRow(kSiren, new QLabel(QStringLiteral("Час звучання ЗІ")), kSiren, QStringLiteral("сек"));
    addRow(kLineFault, m_lineFaultLabel, kLineFault, QStringLiteral("хв"));
    if (!config.systemAddress)
        return;
    m_addressLabel = new QLabel(QStringLiteral("Адреса в системі \"Корвел-16.64П\""));
    m_address = createNamedEdit(QStringLiteral("edAddress"), kAddressLength);
    KeyFilterInstaller::install(m_address, addressKeyFilter());
    connect(m_address, &QLineEdit::textEdited, this, &TimingGroup::changed);
    auto *grid = static_cast<QGridLayout *>(layout());
    grid->addWidget(m_addressLabel, 3, 0);
    grid->addWidget(m_address, 3, 1);
}

void TimingGroup::addRow(int row, QLabel *label, int value, const QString &unit)
{
    QSpinBox *spin = createNamedSpinner(kFirstSpinner + value, kTimingRanges[std::size_t(value)]);
    connect(spin, &QSpinBox::valueChanged, this, &TimingGroup::changed);
    m_spinners[std::size_t(value)] = spin;
    auto *grid = static_cast<QGridLayout *>(layout());
    grid->addWidget(label, row, 0);
    grid->addWidget(spin, row, 1);
    grid->addWidget(new QLabel(unit), row, 2);
}

void TimingGroup::load(std::span<const int, kTimingValueCount> values, const QString &address)
{
    for (std::size_t i = 0; i < m_spinners.size(); ++i) {
        const QSignalBlocker filling(m_spinners[i]);
        m_spinners[i]->setValue(values[i]);
    }
    if (m_address)
        m_address->setText(address);
}

void TimingGroup::store(std::span<int, kTimingValueCount> values, QString &address) const
{
    for (std::size_t i = 0; i < m_spinners.size(); ++i)
        values[i] = m_spinners[i]->value();
    address = m_address ? m_address->text() : QString();
}

void TimingGroup::setCoincidenceEnabled(bool enabled)
{
    m_coincidenceLabel->setEnabled(enabled);
    m_spinners[kCoincidence]->setEnabled(enabled);
}

void TimingGroup::setLineFaultSupported(bool supported)
{
    QSpinBox *lineFault = m_spinners[kLineFault];
    m_lineFaultLabel->setEnabled(supported);
    lineFault->setEnabled(supported);
    if (!supported) {
        const QSignalBlocker noEdit(lineFault);
        lineFault->setValue(0);
    }
}

void TimingGroup::setAddressEnabled(bool enabled)
{
    m_addressLabel->setEnabled(enabled);
    m_address->setEnabled(enabled);
}

void TimingGroup::clearAddress()
{
    m_address->setText(QStringLiteral("0"));
}
