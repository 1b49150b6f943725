#include "searchpanel.h"

#include "archivetexts.h"
#include "registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr EventOutcome kOutcomes[] = {EventOutcome::Done, EventOutcome::Differs, EventOutcome::Failed,
                                      EventOutcome::Cancelled};

QLineEdit *makeEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setClearButtonEnabled(true);
    return edit;
}

QComboBox *makeCombo(const QString &name, const QString &all, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItem(all);
    return combo;
}

// The value of the combo's current item; nothing for the first, which stands for all.
template <typename T>
std::optional<T> chosen(const QComboBox *combo)
{
    if (combo->currentIndex() <= 0)
        return std::nullopt;
    return T(combo->currentData().toInt());
}

} // namespace

ArchiveSearchPanel::ArchiveSearchPanel(QWidget *parent)
    : QWidget(parent),
      m_site(makeEdit(QStringLiteral("edSiteText"), this)),
      m_objectNumber(makeEdit(QStringLiteral("edObjectNumber"), this)),
      m_model(makeCombo(QStringLiteral("cbModel"), QStringLiteral("усі моделі"), this)),
      m_fromEnabled(new QCheckBox(QStringLiteral("від"), this)),
      m_from(addDay(QStringLiteral("deFrom"), m_fromEnabled)),
      m_toEnabled(new QCheckBox(QStringLiteral("до"), this)),
      m_to(addDay(QStringLiteral("deTo"), m_toEnabled)),
      m_outcome(makeCombo(QStringLiteral("cbOutcome"), QStringLiteral("усі результати"), this))
{
    m_site->setPlaceholderText(QStringLiteral("назва або адреса"));
    m_fromEnabled->setObjectName(QStringLiteral("ckFrom"));
    m_toEnabled->setObjectName(QStringLiteral("ckTo"));
    for (const DeviceDefinition &definition : models())
        m_model->addItem(modelName(definition), int(definition.typeCode));
    for (const EventOutcome outcome : kOutcomes)
        m_outcome->addItem(outcomeText(outcome), int(outcome));
    auto *find = new QPushButton(QStringLiteral("Знайти"), this);
    find->setObjectName(QStringLiteral("btnFind"));
    connect(find, &QPushButton::clicked, this, &ArchiveSearchPanel::searchRequested);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Об'єкт:"), this), 0, 0);
    grid->addWidget(m_site, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Об'єктовий номер:"), this), 0, 4);
    grid->addWidget(m_objectNumber, 0, 5);
    grid->addWidget(new QLabel(QStringLiteral("Модель:"), this), 1, 0);
    grid->addWidget(m_model, 1, 1);
    grid->addWidget(m_fromEnabled, 1, 2);
    grid->addWidget(m_from, 1, 3);
    grid->addWidget(m_toEnabled, 1, 4);
    grid->addWidget(m_to, 1, 5);
    grid->addWidget(new QLabel(QStringLiteral("Результат:"), this), 2, 0);
    grid->addWidget(m_outcome, 2, 1);
    grid->addWidget(find, 2, 5, Qt::AlignRight);
}

QDateEdit *ArchiveSearchPanel::addDay(const QString &name, QCheckBox *enabler)
{
    auto *day = new QDateEdit(QDate::currentDate(), this);
    day->setObjectName(name);
    day->setCalendarPopup(true);
    day->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    day->setEnabled(false);
    connect(enabler, &QCheckBox::toggled, day, &QDateEdit::setEnabled);
    return day;
}

std::optional<QDate> ArchiveSearchPanel::dayOf(const QCheckBox *enabler, const QDateEdit *day) const
{
    return enabler->isChecked() ? std::optional(day->date()) : std::nullopt;
}

SearchForm ArchiveSearchPanel::form(bool includeArchived) const
{
    return {m_site->text(),
            m_objectNumber->text(),
            chosen<quint8>(m_model),
            dayOf(m_fromEnabled, m_from),
            dayOf(m_toEnabled, m_to),
            chosen<EventOutcome>(m_outcome),
            includeArchived};
}

void ArchiveSearchPanel::clear()
{
    m_site->clear();
    m_objectNumber->clear();
    m_model->setCurrentIndex(0);
    m_fromEnabled->setChecked(false);
    m_toEnabled->setChecked(false);
    m_outcome->setCurrentIndex(0);
}

// Line edits, date edits and closed combo boxes pass Enter on to the panel.
void ArchiveSearchPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return QWidget::keyPressEvent(event);
    Q_EMIT searchRequested();
}
