// The blinking of a text box's caret: while the box has the focus the caret
// shows and hides in turns on the program's clock; every edit or move of
// the caret shows it at once and starts the turn again, so the caret never
// vanishes under the user's typing.
//
// Threads: started, restarted and stopped on the user-interface thread;
// the timer's callback runs there too and takes the interpreter lock, under
// which the box it repaints is destroyed (so a box that is gone is not
// reached).
#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include "platform/timer_queue.h"

namespace lx {

class CaretBlink {
 public:
  // How long the caret shows, and then how long it is hidden.
  static constexpr std::chrono::milliseconds kHalfPeriod{530};

  // `repaint` runs whenever the caret's visibility changes by the clock.
  explicit CaretBlink(std::function<void()> repaint);
  ~CaretBlink();
  CaretBlink(const CaretBlink&) = delete;
  CaretBlink& operator=(const CaretBlink&) = delete;

  // Shows the caret and starts the turns (focus came, the caret moved).
  void restart();
  // Shows the caret without starting the turns (off the user-interface
  // thread, which owns the timer; the next key there starts them).
  void showSteady() { state_->shown = true; }
  // Ends the turns; the caret stays hidden (focus went, editing ended).
  void stop();
  bool caretShown() const { return state_->shown; }
  bool running() const { return timer_ != 0; }

 private:
  struct State {
    bool shown = false;
    std::function<void()> repaint;  // none once the blink is gone
  };
  std::shared_ptr<State> state_;
  TimerId timer_ = 0;
};

}  // namespace lx
