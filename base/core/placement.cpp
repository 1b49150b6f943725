#include "placement.h"

#include <QSettings>

namespace {

int readInt(const QSettings &ini, const QString &key, int fallback)
{
    bool ok = false;
    const int value = ini.value(key).toInt(&ok);
    return ok ? value : fallback;
}

int validState(int state)
{
    return state >= 0 && state <= 2 ? state : 0;
}

bool flush(QSettings &ini)
{
    ini.sync();
    return ini.status() == QSettings::NoError;
}

} // namespace

WindowPlacement readMainPlacement(QSettings &ini, QSize screen)
{
    WindowPlacement p;
    ini.beginGroup(QStringLiteral("MainForm"));
    p.top = readInt(ini, QStringLiteral("Top"), 0);
    p.left = readInt(ini, QStringLiteral("Left"), 0);
    p.width = readInt(ini, QStringLiteral("Width"), screen.width());
    p.height = readInt(ini, QStringLiteral("Height"), screen.height());
    p.state = validState(readInt(ini, QStringLiteral("WindowsState"), 0));
    ini.endGroup();
    return p;
}

bool writeMainPlacement(QSettings &ini, const WindowPlacement &p)
{
    ini.beginGroup(QStringLiteral("MainForm"));
    ini.setValue(QStringLiteral("Top"), p.top);
    ini.setValue(QStringLiteral("Left"), p.left);
    ini.setValue(QStringLiteral("Width"), p.width);
    ini.setValue(QStringLiteral("Height"), p.height);
    ini.setValue(QStringLiteral("WindowsState"), p.state);
    ini.endGroup();
    return flush(ini);
}

WindowPlacement readEditorPlacement(QSettings &ini, const QString &section)
{
    WindowPlacement p;
    ini.beginGroup(section);
    p.state = validState(readInt(ini, QStringLiteral("State"), 0));
    if (p.state == 0) {
        p.top = readInt(ini, QStringLiteral("Top"), 0);
        p.left = readInt(ini, QStringLiteral("Left"), 0);
    }
    ini.endGroup();
    return p;
}

bool writeEditorPlacement(QSettings &ini, const QString &section, const WindowPlacement &p)
{
    ini.beginGroup(section);
    ini.setValue(QStringLiteral("Top"), p.top);
    ini.setValue(QStringLiteral("Left"), p.left);
    ini.setValue(QStringLiteral("State"), p.state);
    ini.endGroup();
    return flush(ini);
}
