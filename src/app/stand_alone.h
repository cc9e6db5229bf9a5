// Starting the runtime without "--" options: the stand-alone runtime plays
// the package on its own file; a plug-in plays the file it was given.
#pragma once

#include "app/command_line.h"

namespace lx {

// Decides the start mode, reads the package, and plays the project. Fatal
// start-up failures are shown in a message box; the answer is the program's
// exit status.
int startWithoutConsole(const CommandLine& line);

}  // namespace lx
