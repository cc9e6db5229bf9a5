// The primitives that save and load projects: `save`, `.save`, `load`,
// `.load`, `loadproject`, `.setsaveoptions`, `.setloadimage`, and
// `.setstate.`, with which saved text sets an existing object's entries.
#pragma once

#include <string>

#include "interp/logo_tab.h"
#include "core/value.h"

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

// Opens the project `name` names, checks its language (outside start-up)
// and loads it into the world as it is; `values` are the loader's property
// values, `options` the load options. Answers the file's path.
std::string loadNamedProject(const std::string& name, const Value& values, unsigned options);
// Records the path of the project loaded in the main object's `fileName`.
void recordProjectFileName(const std::string& path);
// Starts the main window's start-up procedure when a start-up run was
// requested, once.
void runRequestedStartupProcedure();

}  // namespace lx
