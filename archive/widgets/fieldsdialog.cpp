#include "fieldsdialog.h"

#include "dialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QWidget *makeEdit(const TextField &field, QWidget *parent)
{
    QWidget *edit = nullptr;
    if (field.multiline) {
        auto *lines = new QPlainTextEdit(field.value, parent);
        lines->setTabChangesFocus(true);
        lines->setFixedHeight(lines->fontMetrics().lineSpacing() * 4);
        edit = lines;
    } else {
        edit = new QLineEdit(field.value, parent);
    }
    edit->setObjectName(field.objectName);
    return edit;
}

} // namespace

FieldsForm::FieldsForm(const QList<TextField> &fields, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const TextField &field : fields) {
        m_edits.append(makeEdit(field, this));
        layout->addRow(field.label, m_edits.last());
    }
}

QStringList FieldsForm::values() const
{
    QStringList texts;
    for (const QWidget *edit : m_edits) {
        const auto *line = qobject_cast<const QLineEdit *>(edit);
        texts.append((line ? line->text() : static_cast<const QPlainTextEdit *>(edit)->toPlainText()).trimmed());
    }
    return texts;
}

void FieldsForm::clear()
{
    for (QWidget *edit : m_edits) {
        if (auto *line = qobject_cast<QLineEdit *>(edit))
            line->clear();
        else
            static_cast<QPlainTextEdit *>(edit)->clear();
    }
}

FieldsDialog::FieldsDialog(const QString &caption, const QList<TextField> &fields, QWidget *parent)
    : QDialog(parent), m_form(new FieldsForm(fields, this))
{
    setObjectName(QStringLiteral("FieldsDialog"));
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_form);
    layout->addWidget(addOkCancel(this));
}

std::optional<QStringList> FieldsDialog::edit(const QString &caption, const QList<TextField> &fields, QWidget *parent)
{
    FieldsDialog dialog(caption, fields, parent);
    if (dialogs().execDialog(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.m_form->values();
}

QDialogButtonBox *addOkCancel(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->setObjectName(QStringLiteral("buttons"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QList<TextField> siteFields(const SiteInfo &info)
{
    return {{QStringLiteral("Назва:"), QStringLiteral("edSiteName"), info.name},
            {QStringLiteral("Адреса:"), QStringLiteral("edSiteAddress"), info.address},
            {QStringLiteral("Контакт:"), QStringLiteral("edSiteContact"), info.contact},
            {QStringLiteral("Примітки:"), QStringLiteral("edSiteNotes"), info.notes, true}};
}

SiteInfo siteInfoOf(const QStringList &values)
{
    return {values.value(0), values.value(1), values.value(2), values.value(3)};
}
