// How a run of the runtime ends when no window is closed: once no process
// runs, or when the run time given by `--run-ms` is up.
#pragma once

#include <optional>

#include "platform/clock.h"

namespace lx {

// The moment `--run-ms` allows the run to last until; none: no limit.
SteadyTime runDeadline(const std::optional<long>& runMs);

// Waits until no process runs or the deadline has passed, then stops every
// process that is left.
void finishProcesses(SteadyTime deadline);

}  // namespace lx
