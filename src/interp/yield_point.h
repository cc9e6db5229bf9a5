// The yield point: the start of every instruction list that runs, where a
// process gives other processes their turn at the interpreter lock, where a
// stop request or a pause takes effect, and where runaway recursion is
// caught before the machine's stack runs out.
#pragma once

#include <functional>

namespace lx {

struct ThreadState;

// The deepest nesting of instruction lists (error 195 beyond it).
inline constexpr int kMaxRunDepth = 10000;

// What the process manager does at a yield point: release the interpreter
// lock, let a waiting process in, take the lock again, honour a pause. The
// processes of the system install it; without it a yield only checks.
using YieldHook = std::function<void(ThreadState&)>;
void setYieldHook(YieldHook hook);

// Runs the yield: the hook, then the stop request (ending the process)
// and the depth limit.
void yieldPoint(ThreadState& state);

// Set when any process marked activity at a yield (the project loader reads it).
bool takeActivityFlag();

}  // namespace lx
