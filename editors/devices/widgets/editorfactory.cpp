#include "editorfactory.h"

#include "paneleditor.h"

EditorWindow *createEditor(Model model, Shell &shell)
{
    switch (model) {
    case Model::Korvel4p: return new TKorvelForm4p(shell);
    case Model::Korvel8p: return new TKorvelForm8p(shell);
    case Model::Korvel16p: return new TKorvelForm16p(shell);
    default: return nullptr;
    }
}
