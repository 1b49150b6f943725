#include "systempaneleditor.h"

EditorWindow *createSystemPanelEditor(Shell &shell)
{
    return new TKorvelForm16_64p(shell);
}
