#pragma once

#include "dialogs.h"
#include "exchangetexts.h"

#include <functional>

class Shell;
struct FlowResult;

// How an operation that talks to the hardware tells the user how it ended: the numbered
// box with a detail line naming the operation, the port and the cause, and the status bar.

// A port that did not open, a failed or a cancelled operation.
bool stoppedShort(const FlowResult &result);
// For such an end: closes the busy display, says so in the status bar (and the log) and
// shows the time, then runs `beforeBox` (what the caller shows of it). The box is left to
// the caller.
void noteStopped(Shell &shell, const FlowResult &result, const std::function<void()> &beforeBox = {});
// Its box: error 3, error 6 (or its reading form) with the operation, port and cause, or
// what the cancel did.
Dialogs::ButtonBox stoppedBox(const FlowResult &result);
// For such an end: notes it and shows its box. False for any other end, which is left to
// the caller.
bool reportStopped(Shell &shell, const FlowResult &result, const std::function<void()> &beforeBox = {});
// The time an operation took, in status panel 1.
void showElapsed(Shell &shell, const FlowResult &result);
// An exchange that ended well: the time, the success text, and the busy display closed.
void reportSuccess(Shell &shell, const FlowResult &result);
