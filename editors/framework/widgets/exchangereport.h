#pragma once

#include "exchangeoutcome.h"

class Shell;

// How an operation that talks to the hardware tells the user it failed: the numbered box
// with a detail line naming the operation, the port and the cause, and the status bar.

// Error 3: the port would not open.
void reportOpenFailure(Shell &shell, const LinkOutcome &outcome);
// Error 6 (or its reading form): the exchange failed.
void reportTransmitFailure(Shell &shell, const LinkOutcome &outcome);
// The user cancelled: the status bar and one box saying what was done.
void reportCancel(Shell &shell, const LinkOutcome &outcome);
