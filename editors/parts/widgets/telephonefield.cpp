#include "telephonefield.h"

#include "keyfilteredit.h"
#include "panelencoding.h"
#include "partcontrols.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TelephoneField::TelephoneField(const TelephoneFieldConfig &config, QWidget *parent)
    : QWidget(parent), m_config(config)
{
    const int n = config.number;
    const bool dialled = config.style == TelephoneStyle::Dialled;
    m_edit = createNamedEdit(QStringLiteral("edTelNum%1").arg(n), dialled ? config.digits : kTelephoneDigits);
    KeyFilterInstaller::install(m_edit, dialled ? dialledKeyFilter() : telephoneKeyFilter());
    connect(m_edit, &QLineEdit::textEdited, this, &TelephoneField::edited);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(config.caption), 0, 0, 1, 4);
    grid->addWidget(m_edit, 1, 0);
    if (!dialled)
        createButtons(n, grid);
}

void TelephoneField::createButtons(int n, QGridLayout *grid)
{
    QToolButton *pause = createButton(QStringLiteral("sbPause%1").arg(n), QStringLiteral("пауза"),
                                      QStringLiteral("Пауза 2 сек  (\"B\")"));
    QToolButton *findSignal = createButton(QStringLiteral("sbFindSignal%1").arg(n), QStringLiteral("пошук"),
                                           QStringLiteral("Пошук сигналу  (\"C\")"));
    m_tonePulse = createButton(QStringLiteral("sbTonePulse%1").arg(n), QStringLiteral("імп"),
                               QStringLiteral("Тональний набор  (\"E\")"));
    m_tonePulse->setCheckable(true);
    connect(pause, &QToolButton::clicked, this, [this] { insertMark(u'+'); });
    connect(findSignal, &QToolButton::clicked, this, [this] { insertMark(u'*'); });
    connect(m_tonePulse, &QToolButton::clicked, this, &TelephoneField::toneClicked);
    grid->addWidget(pause, 1, 1);
    grid->addWidget(findSignal, 1, 2);
    grid->addWidget(m_tonePulse, 1, 3);
    setToneState(false, true);
}

QToolButton *TelephoneField::createButton(const QString &name, const QString &text, const QString &hint)
{
    auto *button = new QToolButton;
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->installEventFilter(this);
    return button;
}

void TelephoneField::load(const TelephoneNumber &number)
{
    setCodeString(number.codeString);
    if (m_tonePulse)
        setToneState(number.tone, true);
    m_edit->setText(number.text);
}

TelephoneNumber TelephoneField::value() const
{
    return {m_edit->text(), m_codeString, m_tonePulse && m_tonePulse->isChecked()};
}

void TelephoneField::setCodeString(const QString &codeString)
{
    m_codeString = codeString;
    m_edit->setToolTip(codeString);
}

void TelephoneField::rebuildCodeString()
{
    if (m_config.style == TelephoneStyle::Dialled)
        setCodeString(endFilledDigits(m_edit->text(), m_config.digits));
    else
        setCodeString(telephoneCodeString(m_edit->text(), m_tonePulse->isChecked()));
}

void TelephoneField::edited()
{
    rebuildCodeString();
    Q_EMIT changed();
}

void TelephoneField::insertMark(QChar mark)
{
    if (m_edit->text().size() >= m_edit->maxLength())
        return;
    m_edit->insert(QString(mark));
    rebuildCodeString();
    m_edit->setFocus();
    Q_EMIT changed();
}

void TelephoneField::toneClicked()
{
    setToneState(m_tonePulse->isChecked(), false);
    rebuildCodeString();
    Q_EMIT changed();
}

// Tone dialling takes the first digit of the code string ("E"), so the number gets 15.
void TelephoneField::setToneState(bool tone, bool fromImage)
{
    m_tonePulse->setChecked(tone);
    m_tonePulse->setText(tone ? QStringLiteral("тон") : QStringLiteral("імп"));
    setTextColour(m_tonePulse, tone ? QColor(Qt::blue) : fromImage ? kCaptionGrey : QColor(Qt::black));
    m_edit->setMaxLength(tone ? kTelephoneDigits - 1 : kTelephoneDigits);
    if (tone && !fromImage)
        m_edit->end(false);
}

// Captions follow the pointer: black hovered, grey left, blue pressed; a tone button that
// is down stays blue.
bool TelephoneField::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QToolButton *>(watched);
    if (button && !button->isChecked()) {
        const QEvent::Type type = event->type();
        if (type == QEvent::Enter)
            setTextColour(button, Qt::black);
        else if (type == QEvent::Leave)
            setTextColour(button, kCaptionGrey);
        else if (type == QEvent::MouseButtonPress)
            setTextColour(button, Qt::blue);
    }
    return QWidget::eventFilter(watched, event);
}
