#include "recordsitedialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

RecordSiteDialog::RecordSiteDialog(QWidget *parent)
    : QDialog(parent), m_site(new QLineEdit(this)), m_address(new QLineEdit(this))
{
    setObjectName(QStringLiteral("RecordSiteDialog"));
    setWindowTitle(QStringLiteral("Об'єкт і адреса для протоколу"));
    m_site->setObjectName(QStringLiteral("edSite"));
    m_address->setObjectName(QStringLiteral("edAddress"));
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("Об'єкт:"), m_site);
    form->addRow(QStringLiteral("Адреса:"), m_address);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

RecordSite RecordSiteDialog::site() const
{
    return {m_site->text().trimmed(), m_address->text().trimmed()};
}
