#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QLineEdit;
class QUndoStack;
class QWidget;

// What an editor's controls hold, as the two images they encode to, and the caption the
// window showed with them.
struct EditSnapshot {
    QByteArray eeprom;
    QByteArray memory;
    QString caption;

    bool sameSettings(const EditSnapshot &other) const
    {
        return eeprom == other.eeprom && memory == other.memory;
    }
};

// Undo and redo of the user's edits in one editor. Every edit is kept as the snapshots
// before and after it; undo and redo put a snapshot back into the controls through
// `show`. Typing on in one text field adds to the edit before instead of making its own.
class EditHistory : public QObject
{
    Q_OBJECT
public:
    using Show = std::function<void(const EditSnapshot &)>;

    EditHistory(Show show, QObject *parent);

    QUndoStack *stack() const { return m_stack; }
    // The controls were filled anew (a read, a file, factory settings, another variant):
    // the edits before can no longer be undone.
    void restart(const EditSnapshot &shown);
    // The user edited the controls into `after`; the window showed `captionBefore` until
    // then. `field`: the text field that has the focus, if any.
    void recordEdit(const QString &captionBefore, const EditSnapshot &after, QLineEdit *field);
    // Undo or redo put `snapshot` into the controls.
    void show(const EditSnapshot &snapshot);
    // Ctrl+Z and Ctrl+Y in the text fields below `editor` reach the menu's undo and redo, so
    // that one history serves the whole editor (typing in a field is undone as one edit).
    void takeUndoKeysFrom(QWidget *editor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QUndoStack *m_stack;
    Show m_show;
    EditSnapshot m_shown; // what the controls hold as far as the history knows
};
