#include "keyfilteredit.h"

#include <QKeyEvent>
#include <QLineEdit>

KeyFilterInstaller::KeyFilterInstaller(QLineEdit *edit, const KeyFilter &filter)
    : QObject(edit), m_filter(filter)
{
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, edit] { dropRefused(edit); });
}

void KeyFilterInstaller::install(QLineEdit *edit, const KeyFilter &filter)
{
    new KeyFilterInstaller(edit, filter);
}

bool KeyFilterInstaller::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    // Only character keys are filtered; navigation, Delete and shortcuts pass.
    if (key->modifiers() & Qt::ControlModifier || key->text().isEmpty()
        || !key->text().at(0).isPrint())
        return false;
    return !filterKey(m_filter, key->text().at(0));
}

void KeyFilterInstaller::dropRefused(QLineEdit *edit)
{
    const QString text = edit->text();
    const QString kept = filterText(m_filter, text);
    if (kept == text)
        return;
    const int cursor = edit->cursorPosition() - int(text.size() - kept.size());
    edit->setText(kept);
    edit->setCursorPosition(std::max(cursor, 0));
}
