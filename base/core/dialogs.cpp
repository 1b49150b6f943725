#include "dialogs.h"

namespace {
Dialogs *g_dialogs = nullptr;
}

Dialogs &dialogs()
{
    Q_ASSERT(g_dialogs);
    return *g_dialogs;
}

Dialogs *setDialogs(Dialogs *instance)
{
    Dialogs *previous = g_dialogs;
    g_dialogs = instance;
    return previous;
}

int Dialogs::askWithButtons(const ButtonBox &box)
{
    showMessage(box.kind, box.text, box.detail);
    return box.wayOut();
}
