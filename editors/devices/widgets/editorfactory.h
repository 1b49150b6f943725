#pragma once

#include "registry.h"

class EditorWindow;
class Shell;

// A new editor window for `model`, or null for a model without one.
EditorWindow *createEditor(Model model, Shell &shell);
