// Edit and window commands of the main window: undo and redo of the active editor's edits,
// the "Вікна" menu, and the closing of the editor windows, each asking about its unsaved
// edits.
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

void TMainForm::fillWindowMenu()
{
    m_windowMenu->clear();
    m_windowMenu->addAction("&Каскадом", m_mdi, &QMdiArea::cascadeSubWindows);
    m_windowMenu->addAction("Горизонтально", this, [this] { tileWindows(Qt::Vertical); });
    m_windowMenu->addAction("Вертикально", this, [this] { tileWindows(Qt::Horizontal); });
    m_windowMenu->addAction("Мінімізувате всі", this, [this] {
        for (QMdiSubWindow *sub : m_mdi->subWindowList())
            sub->showMinimized();
    });
    m_windowMenu->addAction("Закрити вікно", m_mdi, &QMdiArea::closeActiveSubWindow);
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList();
    if (!windows.isEmpty())
        m_windowMenu->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow *sub = windows.at(i);
        QAction *item = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(sub->windowTitle()));
        item->setCheckable(true);
        item->setChecked(sub == m_mdi->activeSubWindow());
        connect(item, &QAction::triggered, m_mdi, [this, sub] { m_mdi->setActiveSubWindow(sub); });
    }
}

// Windows stacked one above the other (Qt::Vertical) or side by side (Qt::Horizontal).
void TMainForm::tileWindows(Qt::Orientation orientation)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (!sub->isMinimized())
            windows.append(sub);
    }
    if (windows.isEmpty())
        return;
    const QSize area = m_mdi->viewport()->size();
    const int n = int(windows.size());
    for (int i = 0; i < n; ++i) {
        windows[i]->showNormal();
        if (orientation == Qt::Vertical)
            windows[i]->setGeometry(0, i * area.height() / n, area.width(), area.height() / n);
        else
            windows[i]->setGeometry(i * area.width() / n, 0, area.width() / n, area.height());
    }
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
