// The primitives that save and load projects: `save`, `.save`, `load`,
// `.load`, `loadproject`, `.setsaveoptions`, `.setloadimage`, and
// `.setstate.`, with which saved text sets an existing object's entries.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerProjectPrimitives(tLogoTab& table);

// Start-up: while true, projects of another language load (the dictionary
// follows them) and instructions pass through the line translation.
bool startupPhase();
void setStartupPhase(bool on);
// Set by `loadproject` with the option `startup`, and by the runtime before
// its first load: the project's start-up procedure runs once the next
// `loadproject` has loaded it.
bool startupRunRequested();
void requestStartupRun();

}  // namespace lx
