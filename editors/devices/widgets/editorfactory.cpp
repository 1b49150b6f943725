#include "editorfactory.h"

// Each model's widgets folder makes its editor.
#define VEX_MODEL(name, definition, editor) EditorWindow *editor(Shell &shell);
#include "modellist.def"
#undef VEX_MODEL

EditorWindow *createEditor(Model model, Shell &shell)
{
    // In the order of the Model enumeration, which the same list makes.
    static constexpr EditorWindow *(*kMakers[])(Shell &) = {
#define VEX_MODEL(name, definition, editor) editor,
#include "modellist.def"
#undef VEX_MODEL
    };
    const auto index = std::size_t(model);
    return index < std::size(kMakers) ? kMakers[index](shell) : nullptr;
}
