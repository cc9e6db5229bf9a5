// The mouse on a control that lives on a surface (a turtle): which Logo
// events a press, a release, a click, a move, entering and leaving raise on
// its object, the busy state while a raised event runs, and dragging the
// control with the mouse when its `autoDrag` is on.
//
// Threads: the user-interface thread, holding the interpreter lock (the
// surface's mouse dispatch takes it); the end of a raised event comes back
// on the same thread, also under the lock.
#pragma once

#include <memory>
#include <optional>

#include "graphics/surface_graphic.h"
#include "core/name_codes.h"

namespace lx {

class tmultiobject;

class ControlMouse {
 public:
  ControlMouse();
  ~ControlMouse();
  ControlMouse(const ControlMouse&) = delete;
  ControlMouse& operator=(const ControlMouse&) = delete;

  // Raises what `event` means for `object`. `autoDrag`: a left press starts
  // dragging, and moves with the button held then run the "@drag" process.
  void handle(tmultiobject& object, const GraphicMouse& event, bool autoDrag);

  // Whether an event this control raised still runs.
  bool busy() const { return state_->busy > 0; }

 private:
  // Shared with the completions of the events in flight, which may end after
  // the control is gone.
  struct State {
    ControlMouse* owner = nullptr;          // none once the control is gone
    int busy = 0;                           // raised events still running
    bool dragging = false;                  // in the auto-drag state
    bool afterDoubleClick = false;          // the release of a double click makes no click
    std::optional<GraphicMouse> pendingUp;  // a release that came while busy
  };

  void press(tmultiobject& object, const GraphicMouse& event, bool autoDrag);
  void release(tmultiobject& object, const GraphicMouse& event);
  void move(tmultiobject& object, const GraphicMouse& event);
  void raiseBusy(tmultiobject& object, NameCode event);
  void startDrag(tmultiobject& object);

  std::shared_ptr<State> state_;
};

}  // namespace lx
