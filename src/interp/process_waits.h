// How a process waits. Every wait of a process (time, a pause, a named lock,
// another process, an event handler) releases the interpreter lock and ends
// at once when the process is told to stop. All such waits share one mutex
// and one condition variable: whatever changes what a waiter looks at (a
// stop request, a resumed pause, a freed lock, an ended process) changes it
// under that mutex and wakes every waiter, so no wake-up is ever lost.
#pragma once

#include <functional>
#include <mutex>

#include "interp/scheduler.h"
#include "platform/clock.h"

namespace lx {

// The mutex under which waiters check their conditions.
std::mutex& waitMutex();
// Runs `change` under the wait mutex and wakes every waiter.
void changeAndNotify(const std::function<void()>& change);

enum class WaitEnd { Ready, Stopped, TimedOut };

// Waits until `ready` (checked under the wait mutex; may be empty), until
// `self` is told to stop (none: a thread that is no process, which is never
// stopped) or until the deadline. The interpreter lock is released for the
// wait when the caller holds it, and taken back before returning; `self` is
// Waiting meanwhile. A stop request wins: it is looked at again once the
// lock is back, so a process told to stop while it queued for the lock
// answers Stopped even when `ready` held (a caller whose `ready` took
// something gives it back then).
WaitEnd waitReleased(ProcessControl* self, const std::function<bool()>& ready,
                     SteadyTime deadline = SteadyTime::max());

}  // namespace lx
