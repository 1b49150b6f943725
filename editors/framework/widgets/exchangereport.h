#pragma once

#include "exchangetexts.h"

#include <functional>

class Shell;
struct FlowResult;

// How an operation that talks to the hardware tells the user how it ended: the numbered
// box with a detail line naming the operation, the port and the cause, and the status bar.

// Error 3: the port would not open.
void reportOpenFailure(Shell &shell, const LinkOutcome &outcome);
// Error 6 (or its reading form): the exchange failed.
void reportTransmitFailure(Shell &shell, const LinkOutcome &outcome);
// The user cancelled: the status bar and one box saying what was done.
void reportCancel(Shell &shell, const LinkOutcome &outcome);

// For a port that did not open, a failed or a cancelled operation: closes the busy display,
// runs `beforeBox` (what the caller shows of it) and reports it. False for any other end,
// which is left to the caller.
bool reportStopped(Shell &shell, const FlowResult &result, const std::function<void()> &beforeBox = {});
// The time an operation took, in status panel 1.
void showElapsed(Shell &shell, const FlowResult &result);
// An exchange that ended well: the time, the success text, and the busy display closed.
void reportSuccess(Shell &shell, const FlowResult &result);
