// The yield point.
#include "interp/yield_point.h"

#include <atomic>

#include "core/logo_exception.h"

namespace lx {
namespace {

std::atomic<bool> activity{false};

}  // namespace

void yieldPoint(ThreadState& state) {
  if (state.markActivity) activity.store(true, std::memory_order_relaxed);
  Scheduler& s = scheduler();
  if (s.yieldHasWork(*state.control)) {
    s.serveYield(*state.control);
    stopAtInstruction(state);
  }
  if (state.yieldWatch) state.yieldWatch(state);
  if (state.runDepth > kMaxRunDepth) throw eLogoException(erStackOverflow);
}

bool takeActivityFlag() {
  return activity.exchange(false, std::memory_order_relaxed);
}

}  // namespace lx
