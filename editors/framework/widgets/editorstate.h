#pragma once

#include "exchangestate.h"

// What the editors and the main window share, one set for the whole program: the images
// the editors encode their controls to and decode them from, the device last identified,
// and two window flags.
struct EditorState : ExchangeState {
    bool WriteRequested = false;  // the identification before a write to the device runs
    bool FillingControls = false; // the program, not the user, is changing editor controls
};

// Sets FillingControls for the life of the guard and restores the previous value.
class FillingControlsGuard
{
public:
    explicit FillingControlsGuard(EditorState &state) : m_state(state), m_previous(state.FillingControls)
    {
        m_state.FillingControls = true;
    }
    ~FillingControlsGuard() { m_state.FillingControls = m_previous; }
    FillingControlsGuard(const FillingControlsGuard &) = delete;
    FillingControlsGuard &operator=(const FillingControlsGuard &) = delete;

private:
    EditorState &m_state;
    bool m_previous;
};
