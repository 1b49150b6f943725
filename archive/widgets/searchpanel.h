#pragma once

#include "searchform.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;

// The search fields of the archive window: site, object number, model, days and outcome.
// "Знайти" and Enter in any field ask for the search.
class ArchiveSearchPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ArchiveSearchPanel(QWidget *parent = nullptr);

    SearchForm form(bool includeArchived) const;
    // Empties every condition, so that a search finds every site.
    void clear();

Q_SIGNALS:
    void searchRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QDateEdit *addDay(const QString &name, QCheckBox *enabler);
    std::optional<QDate> dayOf(const QCheckBox *enabler, const QDateEdit *day) const;

    QLineEdit *m_site;
    QLineEdit *m_objectNumber;
    QComboBox *m_model;
    QCheckBox *m_fromEnabled;
    QDateEdit *m_from;
    QCheckBox *m_toEnabled;
    QDateEdit *m_to;
    QComboBox *m_outcome;
};
