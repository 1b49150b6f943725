#pragma once

#include "archivetypes.h"

#include <QDialog>
#include <QWidget>
#include <optional>

class QDialogButtonBox;

// A text the user edits: a line, or several lines for notes.
struct TextField {
    QString label;      // "Адреса:"
    QString objectName; // "edAddress"
    QString value{};
    bool multiline = false;
};

// Captions and edits, one row a field.
class FieldsForm : public QWidget
{
    Q_OBJECT
public:
    explicit FieldsForm(const QList<TextField> &fields, QWidget *parent = nullptr);

    // The texts as edited, in the order of the fields, without spaces around them.
    QStringList values() const;
    void clear();

private:
    QList<QWidget *> m_edits;
};

// A form with OK and Cancel: editing a site or a device.
class FieldsDialog : public QDialog
{
    Q_OBJECT
public:
    FieldsDialog(const QString &caption, const QList<TextField> &fields, QWidget *parent = nullptr);

    // Runs the dialog through dialogs(): the edited texts, nothing when cancelled.
    static std::optional<QStringList> edit(const QString &caption, const QList<TextField> &fields, QWidget *parent);

private:
    FieldsForm *m_form;
};

// OK and Cancel, wired to accept and reject `dialog`.
QDialogButtonBox *addOkCancel(QDialog *dialog);

// A site's name, address, contact and notes as fields, and back.
QList<TextField> siteFields(const SiteInfo &info);
SiteInfo siteInfoOf(const QStringList &values);
