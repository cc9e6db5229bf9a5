// Building the Logo world the runtime runs code in: the language, the value
// pools and class tables, and the main object's primitives.
//
// Layer: app, the top. Start-up, the console and the command line, the
// package, project files and file search; it may use every layer below.
#pragma once

#include <string>

namespace lx {

// Selects `language` (and its interface texts) and registers everything.
// Answers false when the language has no dictionary.
bool buildLogoWorld(const std::string& language);

// Destroys every object, windows and pages with their platform windows,
// while the user-interface thread still serves: the run is over and no
// process is left. Afterwards a world can be built again.
void takeDownLogoWorld();

}  // namespace lx
