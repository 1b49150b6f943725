#include "accesscodesgroup.h"

#include "keyfilteredit.h"
#include "partcontrols.h"

#include <QFormLayout>
#include <QLineEdit>

namespace {
constexpr int kObjectNumberDigits = 4;
} // namespace

AccessCodesGroup::AccessCodesGroup(const AccessCodesConfig &config, QWidget *parent)
    : QGroupBox(QStringLiteral("Коди доступу"), parent)
{
    new QFormLayout(this);
    m_level2 = addEdit(QStringLiteral("Kод доступу до другого рівня"), QStringLiteral("edCode2"),
                       config.level2.digits, digitKeyFilter());
    m_level3 = addEdit(QStringLiteral("Код доступу до третього рівня"), QStringLiteral("edCode3"),
                       config.level3.digits, digitKeyFilter());
    for (int n = 0; n < 2; ++n)
        m_objectNumbers[n] = addEdit(QStringLiteral("Об’єктові номера приладу №%1").arg(n + 1),
                                     QStringLiteral("edNumDev%1").arg(n + 1), kObjectNumberDigits,
                                     hexKeyFilter());
}

QLineEdit *AccessCodesGroup::addEdit(const QString &caption, const QString &name, int maxLength,
                                     const KeyFilter &filter)
{
    QLineEdit *edit = createNamedEdit(name, maxLength);
    KeyFilterInstaller::install(edit, filter);
    connect(edit, &QLineEdit::textEdited, this, &AccessCodesGroup::changed);
    static_cast<QFormLayout *>(layout())->addRow(caption, edit);
    return edit;
}

void AccessCodesGroup::load(const QString &level2, const QString &level3,
                            const std::array<QString, 2> &objectNumbers)
{
    m_level2->setText(level2);
    m_level3->setText(level3);
    for (std::size_t n = 0; n < m_objectNumbers.size(); ++n)
        m_objectNumbers[n]->setText(objectNumbers[n]);
}

void AccessCodesGroup::store(QString &level2, QString &level3, std::array<QString, 2> &objectNumbers) const
{
    level2 = m_level2->text();
    level3 = m_level3->text();
    for (std::size_t n = 0; n < m_objectNumbers.size(); ++n)
        objectNumbers[n] = m_objectNumbers[n]->text();
}
