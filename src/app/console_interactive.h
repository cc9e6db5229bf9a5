// The console typed at a terminal: a prompt, line editing and history, a
// continuation prompt for an unfinished instruction, Ctrl+C to stop the
// running processes and Ctrl+D to end, errors in colour.
#pragma once

#include "app/command_line.h"

namespace lx {

// Whether standard input and standard output are both a terminal, the
// condition for the interactive console.
bool isInteractiveTerminal();

// Runs the interactive console until Ctrl+D, the end of the input, the
// closing of the window, or SIGTERM or SIGHUP; the processes still running
// are then stopped. Answers the exit status, as runConsole does, or 128
// plus the number of the signal that ended the session.
int runInteractiveConsole(const CommandLine& options);

}  // namespace lx
