// The yield point.
#include "interp/yield_point.h"

#include "core/logo_exception.h"

namespace lx {
void serveYieldPoint(ThreadState& state) {
  Scheduler& s = scheduler();
  if (s.yieldHasWork(*state.control)) {
    s.serveYield(*state.control);
    stopAtInstruction(state);
  }
  if (state.yieldWatch) state.yieldWatch(state);
  if (state.runDepth > kMaxRunDepth) throw eLogoException(erStackOverflow);
}

}  // namespace lx
