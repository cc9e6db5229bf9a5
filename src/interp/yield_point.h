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
// request (ending the process), the watch and the depth limit. Inline, since
// every list run passes here: without anything to do it costs a few tests
// and two relaxed atomic loads.
void serveYieldPoint(ThreadState& state);
inline void yieldPoint(ThreadState& state) {
  if (state.yieldWatch || state.runDepth > kMaxRunDepth ||
      scheduler().yieldHasWork(*state.control)) [[unlikely]]
    serveYieldPoint(state);
}

// Before every instruction: ends the process when it has been told to stop.
// One relaxed atomic load.
inline void stopAtInstruction(const ThreadState& state) {
  if (state.control->stopRequested()) throw eTerminateException(false);
}

}  // namespace lx
