// ChangeEvents: a control's `onChange` and `onChanged`, raised one at a
// time. While a handler of either runs, a further change only sets a
// pending flag; when the handler ends, `onChange` runs once more if a
// change is pending, else `onChanged` if one is pending. So a fast drag or
// a burst of typing never runs a handler twice at once, and the last state
// is always seen.
//
// Threads: raised and ended under the interpreter lock (the user-interface
// thread borrows it for input and protected work), which guards the state.
#pragma once

#include <memory>

#include "core/name_codes.h"

namespace lx {

class tmultiobject;

class ChangeEvents {
 public:
  explicit ChangeEvents(tmultiobject& object);
  // Handlers still running find the control gone and raise nothing more.
  ~ChangeEvents();
  ChangeEvents(const ChangeEvents&) = delete;
  ChangeEvents& operator=(const ChangeEvents&) = delete;

  void changed();   // raises `onChange`
  void finished();  // raises `onChanged`
  bool running() const { return state_->running; }

 private:
  struct State {
    tmultiobject* object = nullptr;  // none once the control is gone
    bool running = false;
    bool pendingChange = false;
    bool pendingChanged = false;
  };
  static void raise(const std::shared_ptr<State>& state, bool change);

  std::shared_ptr<State> state_;
};

}  // namespace lx
