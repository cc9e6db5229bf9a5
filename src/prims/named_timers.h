// The stopwatches of `timer` and `resettimer`: the default one (the empty
// name) and any number of named ones, each the tick at which it was last
// reset. Names compare as the language compares names. Used under the
// interpreter lock.
#pragma once

#include <cstdint>
#include <string>

namespace lx {

// Milliseconds since the timer of that name was reset; a name not known yet
// starts a timer now (which answers 0).
uint64_t timerElapsed(const std::string& name);
// Restarts the timer of that name (making it when it is new).
void resetTimer(const std::string& name);
// What a full reset leaves: the default timer alone, started now.
void resetAllTimers();
size_t timerCount();

}  // namespace lx
