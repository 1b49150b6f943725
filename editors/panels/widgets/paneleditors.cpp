#include "paneleditor.h"

EditorWindow *createFourZonePanelEditor(Shell &shell)
{
    return new TKorvelForm4p(shell);
}

EditorWindow *createEightZonePanelEditor(Shell &shell)
{
    return new TKorvelForm8p(shell);
}

EditorWindow *createSixteenZonePanelEditor(Shell &shell)
{
    return new TKorvelForm16p(shell);
}
