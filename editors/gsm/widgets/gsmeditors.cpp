#include "gsm4editor.h"
#include "gsmeditor.h"

EditorWindow *createGsmModuleEditor(Shell &shell)
{
    return new TZMU_GSMForm(shell);
}

EditorWindow *createGsm4ModuleEditor(Shell &shell)
{
    return new TZMU_GSM4Form(shell);
}
