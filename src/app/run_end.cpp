// Ending a run.
#include "app/run_end.h"

#include "interp/process_list.h"

namespace lx {

SteadyTime runDeadline(const std::optional<long>& runMs) {
  return runMs ? afterMilliseconds(*runMs) : SteadyTime::max();
}

void finishProcesses(SteadyTime deadline) {
  allThreads().waitUntilEmpty(deadline);
  allThreads().killAll();
}

}  // namespace lx
