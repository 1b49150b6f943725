#include "editorfactory.h"

#include "controlstarteditor.h"
#include "gsm4editor.h"
#include "gsmeditor.h"
#include "paneleditor.h"
#include "systempaneleditor.h"

namespace {

struct EditorMaker {
    Model model;
    EditorWindow *(*create)(Shell &);
};

// One row per model that has an editor.
const EditorMaker kEditors[] = {
    {Model::Korvel4p, [](Shell &shell) -> EditorWindow * { return new TKorvelForm4p(shell); }},
    {Model::Korvel8p, [](Shell &shell) -> EditorWindow * { return new TKorvelForm8p(shell); }},
    {Model::Korvel16p, [](Shell &shell) -> EditorWindow * { return new TKorvelForm16p(shell); }},
    {Model::Korvel16_64p, [](Shell &shell) -> EditorWindow * { return new TKorvelForm16_64p(shell); }},
    {Model::ZmuGsm, [](Shell &shell) -> EditorWindow * { return new TZMU_GSMForm(shell); }},
    {Model::ZmuGsm4, [](Shell &shell) -> EditorWindow * { return new TZMU_GSM4Form(shell); }},
    {Model::PKorvel24, [](Shell &shell) -> EditorWindow * { return new TPKorvelForm24(shell); }},
};

} // namespace

EditorWindow *createEditor(Model model, Shell &shell)
{
    for (const EditorMaker &maker : kEditors) {
        if (maker.model == model)
            return maker.create(shell);
    }
    return nullptr;
}
