#include "testreportgroup.h"

#include "partcontrols.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

constexpr int kFirstSpinner = 8; // ud8
const QString kAdjustedHint = QStringLiteral(
    "У приладі записано значення, яке не можна показати; показано найближче допустиме");

} // namespace

TestReportGroup::TestReportGroup(QWidget *parent)
    : QGroupBox(QStringLiteral("Параметри передачі тестового сповіщення"), parent)
{
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("перше тестове сповіщення")), 0, 0);
    addSpinner(0, 0, 1, QStringLiteral("год"));
    addSpinner(1, 0, 3, QStringLiteral("хв"));
    grid->addWidget(new QLabel(QStringLiteral("період")), 1, 0);
    addSpinner(2, 1, 1, QStringLiteral("дні"));
    addSpinner(3, 1, 3, QStringLiteral("год"));
    addSpinner(4, 1, 5, QStringLiteral("хв"));
}

void TestReportGroup::addSpinner(int field, int row, int column, const QString &unit)
{
    QSpinBox *spin = createNamedSpinner(kFirstSpinner + field, kTestReportRanges[std::size_t(field)]);
    connect(spin, &QSpinBox::valueChanged, this, &TestReportGroup::changed);
    m_spinners[std::size_t(field)] = spin;
    auto *grid = static_cast<QGridLayout *>(layout());
    grid->addWidget(spin, row, column);
    grid->addWidget(new QLabel(unit), row, column + 1);
}

void TestReportGroup::load(std::span<const int, kTestReportFieldCount> values)
{
    for (std::size_t i = 0; i < m_spinners.size(); ++i) {
        const QSignalBlocker filling(m_spinners[i]);
        m_spinners[i]->setValue(values[i]);
    }
}

void TestReportGroup::store(std::span<int, kTestReportFieldCount> values) const
{
    for (std::size_t i = 0; i < m_spinners.size(); ++i)
        values[i] = m_spinners[i]->value();
}

void TestReportGroup::markAdjusted(const std::array<bool, kTestReportFieldCount> &adjusted)
{
    for (std::size_t i = 0; i < m_spinners.size(); ++i)
        ::markAdjusted(m_spinners[i], adjusted[i], kAdjustedHint);
}
