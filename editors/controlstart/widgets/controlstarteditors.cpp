#include "controlstarteditor.h"

EditorWindow *createControlStartEditor(Shell &shell)
{
    return new TPKorvelForm24(shell);
}
