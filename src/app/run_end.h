// How a run of the runtime ends: headless once no process runs, in a real
// window when the window is closed, or when the run time given by
// `--run-ms` is up.
#pragma once

#include <optional>

#include "platform/clock.h"

namespace lx {

// The moment `--run-ms` allows the run to last until; none: no limit.
SteadyTime runDeadline(const std::optional<long>& runMs);

// Waits until no process runs (headless) or the main window is closed (in a
// real window: a project waits there for the user's clicks with no process
// running), or the deadline has passed; then stops every process left.
void finishProcesses(SteadyTime deadline);

}  // namespace lx
