// Raising a control's change events one at a time.
#include "controls/change_events.h"

#include "objects/events.h"
#include "objects/object_codes.h"

namespace lx {

ChangeEvents::ChangeEvents(tmultiobject& object) : state_(std::make_shared<State>()) {
  state_->object = &object;
}

ChangeEvents::~ChangeEvents() {
  state_->object = nullptr;
}

void ChangeEvents::changed() {
  raise(state_, true);
}

void ChangeEvents::finished() {
  raise(state_, false);
}

void ChangeEvents::raise(const std::shared_ptr<State>& state, bool change) {
  if (!state->object) return;
  if (state->running) {
    (change ? state->pendingChange : state->pendingChanged) = true;
    return;
  }
  state->running = true;
  const NameCode event = eventCode(change ? EventId::onChange : EventId::onChanged);
  raiseEvent(state->object, event, [state](tmultiobject*) {
    state->running = false;
    if (std::exchange(state->pendingChange, false)) {
      raise(state, true);
    } else if (std::exchange(state->pendingChanged, false)) {
      raise(state, false);
    }
  });
}

}  // namespace lx
