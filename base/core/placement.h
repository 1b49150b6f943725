#pragma once

#include <QSize>
#include <QString>

class QSettings;

// Window placement kept in option.ini beside the program. State: 0 normal,
// 1 minimised, 2 maximised.
struct WindowPlacement {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    int state = 0;
};

// Section "MainForm"; absent or unreadable values give 0,0, the screen's size, normal.
WindowPlacement readMainPlacement(QSettings &ini, QSize screen);
// False when option.ini cannot be written.
bool writeMainPlacement(QSettings &ini, const WindowPlacement &placement);

// An editor's own section ("KorvelForm16p" ...): "State", and "Top"/"Left" (only used
// in the normal state). Width and height are not kept.
WindowPlacement readEditorPlacement(QSettings &ini, const QString &section);
bool writeEditorPlacement(QSettings &ini, const QString &section, const WindowPlacement &placement);
