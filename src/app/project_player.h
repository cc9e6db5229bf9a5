// Playing a project: the start-up sequence of the runtime. The project's
// language is chosen, the Logo world built, the main window made under the
// interpreter lock, and a process "@main" loads the project; its start-up
// procedure and events take it from there.
#pragma once

#include <string>

#include "app/command_line.h"

namespace lx {

// Plays the project `projectName` names ("?project.lxp" for a packed one,
// or a file path) until the window is closed, or, headless, until no
// process runs; `--run-ms` bounds either. Start-up failures are shown in a
// message box. Answers the program's exit status.
int playProject(const CommandLine& options, const std::string& projectName);

}  // namespace lx
