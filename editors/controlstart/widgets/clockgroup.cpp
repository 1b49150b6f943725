#include "clockgroup.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTimeEdit>

using namespace controlstart;

namespace {

// The device keeps a two-digit year.
const QDate kFirstDate(2000, 1, 1);
const QDate kLastDate(2099, 12, 31);

} // namespace

ClockGroup::ClockGroup(QWidget *parent)
    : QGroupBox(QStringLiteral("Годинник приладу"), parent),
      m_write(new QCheckBox(QStringLiteral("Перезаписати час"))),
      m_system(new QRadioButton(QStringLiteral("Системний час"))),
      m_user(new QRadioButton(QStringLiteral("Вказаний час"))),
      m_date(new QDateEdit(QDate::currentDate())),
      m_time(new QTimeEdit(QTime::currentTime()))
{
    m_write->setObjectName(QStringLiteral("chbWriteClock"));
    m_system->setObjectName(QStringLiteral("rbSystemClock"));
    m_user->setObjectName(QStringLiteral("rbUserClock"));
    m_date->setObjectName(QStringLiteral("DevDate"));
    m_time->setObjectName(QStringLiteral("DevTime"));
    m_date->setDateRange(kFirstDate, kLastDate);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_time->setDisplayFormat(QStringLiteral("hh:mm:ss"));
    m_user->setChecked(true);

    auto *form = new QFormLayout(this);
    form->addRow(m_write);
    form->addRow(m_system);
    form->addRow(m_user);
    form->addRow(m_date, m_time);
    m_deviceClock = addLabelPair(QStringLiteral("Дата і час у приладі:"), QStringLiteral("lbClockDev"));
    m_readAt = addLabelPair(QStringLiteral("Отримано з приладу:"), QStringLiteral("lbGetClock"));

    connect(m_write, &QCheckBox::clicked, this, &ClockGroup::chbWriteClockClick);
    for (QAbstractButton *button : {static_cast<QAbstractButton *>(m_write), static_cast<QAbstractButton *>(m_system),
                                    static_cast<QAbstractButton *>(m_user)})
        connect(button, &QAbstractButton::clicked, this, &ClockGroup::changed);
    connect(m_date, &QDateEdit::dateChanged, this, &ClockGroup::changed);
    connect(m_time, &QTimeEdit::timeChanged, this, &ClockGroup::changed);
    chbWriteClockClick();
}

QLabel *ClockGroup::addLabelPair(const QString &caption, const QString &name)
{
    auto *value = new QLabel;
    value->setObjectName(name);
    static_cast<QFormLayout *>(layout())->addRow(caption, value);
    return value;
}

void ClockGroup::chbWriteClockClick()
{
    const bool on = m_write->isChecked();
    for (QWidget *choice : {static_cast<QWidget *>(m_system), static_cast<QWidget *>(m_user),
                            static_cast<QWidget *>(m_date), static_cast<QWidget *>(m_time)})
        choice->setEnabled(on);
}

void ClockGroup::load(const ClockSettings &clock)
{
    const QSignalBlocker date(m_date);
    const QSignalBlocker time(m_time);
    m_write->setChecked(clock.write);
    (clock.systemTime ? m_system : m_user)->setChecked(true);
    if (clock.userTime.isValid()) {
        m_date->setDate(clock.userTime.date());
        m_time->setTime(clock.userTime.time());
    }
    m_deviceClock->setText(clock.deviceText);
    m_readAt->setText(clock.readAtText);
    chbWriteClockClick();
}

ClockSettings ClockGroup::value() const
{
    return {m_write->isChecked(), m_system->isChecked(), QDateTime(m_date->date(), m_time->time()),
            m_deviceClock->text(), m_readAt->text()};
}
