// The caret's turns on the clock.
#include "controls/caret_blink.h"

#include "interp/scheduler.h"
#include "platform/platform.h"

namespace lx {

CaretBlink::CaretBlink(std::function<void()> repaint) : state_(std::make_shared<State>()) {
  state_->repaint = std::move(repaint);
}

CaretBlink::~CaretBlink() {
  state_->repaint = nullptr;
  stop();
}

void CaretBlink::restart() {
  state_->shown = true;
  if (timer_) uiThread().killTimer(timer_);
  std::weak_ptr<State> weak = state_;
  timer_ = uiThread().setTimer(kHalfPeriod, TimerRepeat::Repeating, [weak] {
    InterpreterLockScope locked;
    std::shared_ptr<State> state = weak.lock();
    if (!state || !state->repaint) return;
    state->shown = !state->shown;
    state->repaint();
  });
}

void CaretBlink::stop() {
  state_->shown = false;
  if (timer_ && startedPlatform()) uiThread().killTimer(timer_);
  timer_ = 0;
}

}  // namespace lx
