// Emptying the world before a project is loaded into it afresh: the
// project's objects, the main object's procedures, handlers and global
// variables, and the property lists go; the system's own objects and
// variables stay.
#pragma once

#include <string>

namespace lx {

void resetProjectWorld();

// The full reset that `loadproject` with the option `erased` has the
// cleaning process run: every other process stops, the world is emptied,
// the built-in Logo library is loaded, then the project `fileName` (none
// when empty) with the load `options`; its start-up procedure runs when
// one was asked for.
void runFullReset(const std::string& fileName, int options);

}  // namespace lx
