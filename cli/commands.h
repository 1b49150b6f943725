#pragma once

#include "commandresult.h"
#include "invocation.h"

class Session;

// One function per command. Those that talk to the port get the session; the others only
// read files.
CommandResult identifyCommand(Session &session, const Invocation &invocation);
CommandResult readCommand(Session &session, const Invocation &invocation);
CommandResult writeCommand(Session &session, const Invocation &invocation);
// check (quiet unless different) and compare (says "no differences" too)
CommandResult compareCommand(Session &session, const Invocation &invocation);
CommandResult regularCommand(Session &session, const Invocation &invocation);
CommandResult slotsCommand(Session &session, const Invocation &invocation);
CommandResult slotReadCommand(Session &session, const Invocation &invocation);
CommandResult slotWriteCommand(Session &session, const Invocation &invocation);
CommandResult clearCommand(Session &session, const Invocation &invocation);
CommandResult flashCommand(Session &session, const Invocation &invocation);

CommandResult showCommand(const Invocation &invocation);
CommandResult reportCommand(const Invocation &invocation);
// archive sites, devices, history and export: the archive alone.
CommandResult archiveCommand(const Invocation &invocation);
