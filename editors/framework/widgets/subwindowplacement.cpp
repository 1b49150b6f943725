#include "subwindowplacement.h"

#include "placement.h"
#include "shell.h"

#include <QSettings>
#include <QWidget>

namespace {
constexpr int kNormal = 0;
constexpr int kMinimised = 1;
constexpr int kMaximised = 2;
} // namespace

void restoreSubWindowPlacement(Shell &shell, QWidget &window)
{
    QSettings *ini = shell.ini();
    QWidget *frame = window.parentWidget();
    if (!ini || !frame)
        return;
    const WindowPlacement p = readEditorPlacement(*ini, window.objectName());
    if (p.state == kMaximised)
        frame->showMaximized();
    else if (p.state == kMinimised)
        frame->showMinimized();
    else
        frame->move(p.left, p.top);
}

void storeSubWindowPlacement(Shell &shell, const QWidget &window)
{
    QSettings *ini = shell.ini();
    const QWidget *frame = window.parentWidget();
    if (!ini || !frame)
        return;
    const int state = frame->isMaximized() ? kMaximised : frame->isMinimized() ? kMinimised : kNormal;
    if (!writeEditorPlacement(*ini, window.objectName(), {frame->y(), frame->x(), 0, 0, state}))
        shell.setStatusText(0, QStringLiteral("Не вдалося записати в INI-файл"));
}
