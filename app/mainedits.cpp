// Edit commands of the main window: undo and redo of the active editor's edits, and the
// closing of the editor windows, each asking about its unsaved edits.
#include "main.h"

#include "editorwindow.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QUndoGroup>

void TMainForm::createEditMenu()
{
    m_undoGroup = new QUndoGroup(this);
    QAction *undo = m_undoGroup->createUndoAction(this, QStringLiteral("Скасувати дію"));
    undo->setObjectName(QStringLiteral("mnUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *redo = m_undoGroup->createRedoAction(this, QStringLiteral("Повторити дію"));
    redo->setObjectName(QStringLiteral("mnRedo"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    QMenu *edit = menuBar()->addMenu(QStringLiteral("Правка"));
    edit->addActions({undo, redo});
}

void TMainForm::followActiveEditor()
{
    EditorWindow *window = activeEditor();
    m_undoGroup->setActiveStack(window ? window->undoStack() : nullptr);
}

// One by one and each brought forward, so that the user sees which editor asks about its
// edits. A window that stays (its question cancelled, or an exchange runs) stops the rest.
bool TMainForm::closeEditorWindows()
{
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList();
    for (QMdiSubWindow *sub : windows) {
        m_mdi->setActiveSubWindow(sub);
        if (!sub->close())
            return false;
    }
    return true;
}
