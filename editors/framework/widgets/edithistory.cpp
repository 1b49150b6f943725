#include "edithistory.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QUndoStack>

namespace {

constexpr int kTypingCommandId = 1;

// One edit. A field's text is kept with it, so that only typing that changed the same
// field's text merges: a combo chosen while a field keeps the focus is an edit of its own.
class EditCommand : public QUndoCommand
{
public:
    EditCommand(EditHistory &history, EditSnapshot before, EditSnapshot after, QLineEdit *field)
        : m_history(history), m_before(std::move(before)), m_after(std::move(after)), m_field(field),
          m_fieldText(field ? field->text() : QString())
    {
    }

    void undo() override { m_history.show(m_before); }
    // The first redo is the push: the controls show the edit already.
    void redo() override
    {
        if (m_pushed)
            m_history.show(m_after);
        m_pushed = true;
    }
    int id() const override { return m_field ? kTypingCommandId : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const EditCommand *>(other);
        if (next->m_field != m_field || next->m_fieldText == m_fieldText)
            return false;
        m_after = next->m_after;
        m_fieldText = next->m_fieldText;
        setObsolete(m_after.sameSettings(m_before)); // typed back to what it was
        return true;
    }

private:
    EditHistory &m_history;
    EditSnapshot m_before;
    EditSnapshot m_after;
    QPointer<QLineEdit> m_field;
    QString m_fieldText;
    bool m_pushed = false;
};

} // namespace

EditHistory::EditHistory(Show show, QObject *parent)
    : QObject(parent), m_stack(new QUndoStack(this)), m_show(std::move(show))
{
}

void EditHistory::restart(const EditSnapshot &shown)
{
    m_stack->clear();
    m_shown = shown;
}

void EditHistory::recordEdit(const QString &captionBefore, const EditSnapshot &after, QLineEdit *field)
{
    if (after.sameSettings(m_shown))
        return; // a change the images do not hold (a control that stores nothing)
    EditSnapshot before = m_shown;
    before.caption = captionBefore;
    m_shown = after;
    m_stack->push(new EditCommand(*this, std::move(before), after, field));
}

void EditHistory::show(const EditSnapshot &snapshot)
{
    m_shown = snapshot;
    m_show(snapshot);
}

void EditHistory::takeUndoKeysFrom(QWidget *editor)
{
    const QList<QLineEdit *> fields = editor->findChildren<QLineEdit *>();
    for (QLineEdit *field : fields)
        field->installEventFilter(this);
}

bool EditHistory::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool undoKey = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
                         || key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
    if (!undoKey)
        return false;
    event->ignore(); // the field does not claim the key: the window's shortcut takes it
    return true;
}
