// Ending a run.
#include "app/run_end.h"

#include "app/language_restart.h"
#include "graphics/window_panel.h"
#include "interp/process_list.h"
#include "interp/process_waits.h"
#include "platform/platform.h"

namespace lx {

SteadyTime runDeadline(const std::optional<long>& runMs) {
  return runMs ? afterMilliseconds(*runMs) : SteadyTime::max();
}

void finishProcesses(SteadyTime deadline) {
  PlatformBackend* backend = startedPlatform();
  if (backend && backend->kind() == BackendKind::Windowed) {
    // A restart for another language ends the run as closing the window does.
    waitReleased(
        nullptr, [] { return mainWindowClosed() || languageRestartPending(); }, deadline);
  } else {
    allThreads().waitUntilEmpty(deadline);
  }
  allThreads().killAll();
}

}  // namespace lx
