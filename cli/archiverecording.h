#pragma once

#include "commandresult.h"
#include "invocation.h"

#include "archivetypes.h"

// Records the event a command noted in the run's archive, after a read or a write with the
// device it belongs to. Nothing here changes the command's exit code: a problem, or an event
// left without a device, is one line on standard error; the JSON gets an "archive" member
// with the event's and the device's numbers.
void recordNoted(const Invocation &invocation, ArchiveEvent event, CommandResult &result);
