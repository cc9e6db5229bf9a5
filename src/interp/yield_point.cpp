// The yield point.
#include "interp/yield_point.h"

#include <atomic>

#include "core/logo_exception.h"
#include "interp/thread_state.h"

namespace lx {
namespace {

YieldHook& hook() {
  static YieldHook h;
  return h;
}

std::atomic<bool> activity{false};

}  // namespace

void setYieldHook(YieldHook h) { hook() = std::move(h); }

void yieldPoint(ThreadState& state) {
  if (state.markActivity) activity.store(true, std::memory_order_relaxed);
  if (hook()) hook()(state);
  if (state.stopRequested) throw eTerminateException(false);
  if (state.runDepth > kMaxRunDepth) throw eLogoException(erStackOverflow);
}

bool takeActivityFlag() { return activity.exchange(false, std::memory_order_relaxed); }

}  // namespace lx
