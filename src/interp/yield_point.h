// The yield point: the start of every instruction list that runs, where a
// process gives other processes their turn at the interpreter lock (once
// its slice is up), where a stop request or a pause takes effect, and where
// runaway recursion is caught before the machine's stack runs out. A stop
// request is also looked at before every instruction (stopAtInstruction).
#pragma once

#include "interp/thread_state.h"

namespace lx {

// The deepest nesting of instruction lists (error 195 beyond it).
inline constexpr int kMaxRunDepth = 10000;

// Runs the yield: a hand-over when one is due, a pause, then the stop
// request (ending the process) and the depth limit. Without anything to do
// it costs two relaxed atomic loads.
void yieldPoint(ThreadState& state);

// Before every instruction: ends the process when it has been told to stop.
// One relaxed atomic load.
inline void stopAtInstruction(const ThreadState& state) {
  if (state.control->stopRequested()) throw eTerminateException(false);
}

// Set when any process marked activity at a yield (the project loader reads it).
bool takeActivityFlag();

}  // namespace lx
