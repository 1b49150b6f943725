#pragma once

class QWidget;
class Shell;

// The placement of an MDI child (an editor, the programmer) in option.ini, in the section
// named after the window's object name: position and state, not size. `window` is the
// child inside its sub-window; a window without a frame or without option.ini is left alone.
void restoreSubWindowPlacement(Shell &shell, QWidget &window);
// A failure to write option.ini is told in status panel 0.
void storeSubWindowPlacement(Shell &shell, const QWidget &window);
