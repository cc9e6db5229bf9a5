// Mouse notifications of a control as Logo events.
#include "graphics/control_mouse.h"

#include "interp/logo_process.h"
#include "objects/events.h"
#include "objects/multi_object.h"
#include "objects/object_codes.h"
#include "values/reader.h"

namespace lx {
namespace {

// The drag: the control goes where the pointer is, keeping the point of
// the press under it, and then its own `onDrag` runs. Every word is a
// dictionary reference, so the line works in every language.
constexpr const char* kDragLine =
    "\xB7.setpos \xB7myplace'\xB7mousepos - \xB7"
    "clickedpos \xB7runevent \"\xB7ondrag";

}  // namespace

ControlMouse::ControlMouse() : state_(std::make_shared<State>()) {
  state_->owner = this;
}

ControlMouse::~ControlMouse() {
  state_->owner = nullptr;
}

void ControlMouse::handle(tmultiobject& object, const GraphicMouse& event, bool autoDrag) {
  switch (event.kind) {
    case GraphicMouseKind::Down:
      press(object, event, autoDrag);
      break;
    case GraphicMouseKind::Up:
      release(object, event);
      break;
    case GraphicMouseKind::Click:
      if (std::exchange(state_->afterDoubleClick, false)) break;
      if (event.button == MouseButton::Left && !busy()) raiseBusy(object, eventCode(EventId::onClick));
      break;
    case GraphicMouseKind::Move:
      move(object, event);
      break;
    case GraphicMouseKind::Enter:
      raiseEvent(&object, eventCode(EventId::onMouseEnter));
      break;
    case GraphicMouseKind::Leave:
      raiseEvent(&object, eventCode(EventId::onMouseLeave));
      break;
  }
}

void ControlMouse::press(tmultiobject& object, const GraphicMouse& event, bool autoDrag) {
  const int button = mouseButtonIndex(event.button);
  if (button < 0 || busy()) return;
  if (button == 0 && event.clicks == 2) {
    state_->afterDoubleClick = true;
    const NameCode doubleClick = eventCode(EventId::onDoubleClick);
    raiseBusy(object, object.eventHandler(doubleClick) ? doubleClick : eventCode(EventId::onClick));
    return;
  }
  if (button == 0 && autoDrag) state_->dragging = true;
  raiseBusy(object, objectCodes().mouseButtonEvents[button]);
}

void ControlMouse::release(tmultiobject& object, const GraphicMouse& event) {
  const int button = mouseButtonIndex(event.button);
  if (button < 0) return;
  state_->afterDoubleClick = false;  // its click, if any, came before
  if (busy()) {
    state_->pendingUp = event;
    return;
  }
  state_->dragging = false;
  raiseBusy(object, objectCodes().mouseButtonEvents[3 + button]);
}

void ControlMouse::move(tmultiobject& object, const GraphicMouse& event) {
  if (busy()) return;
  if (event.held & kLeftButton) {
    if (state_->dragging) {
      startDrag(object);
    } else {
      raiseBusy(object, eventCode(EventId::onDrag));
    }
  } else if (event.held == kNoButtons) {
    raiseBusy(object, eventCode(EventId::onMouseMove));
  }
}

// The control stays busy until the event's process ends; a release that
// came meanwhile is raised then.
void ControlMouse::raiseBusy(tmultiobject& object, NameCode event) {
  ++state_->busy;
  raiseEvent(&object, event, [state = state_](tmultiobject* ended) {
    --state->busy;
    if (state->busy > 0 || !state->pendingUp || !ended || !state->owner) return;
    const GraphicMouse up = *std::exchange(state->pendingUp, std::nullopt);
    state->owner->release(*ended, up);
  });
}

void ControlMouse::startDrag(tmultiobject& object) {
  ProcessStart start;
  start.name = "@drag";
  start.kind = ipAutoDrag;
  start.object = Value(&object);
  start.list = readList(kDragLine);
  ++state_->busy;
  start.endNotification = [state = state_] { --state->busy; };
  start.notificationData = &object;
  tLogoprocess::start(std::make_shared<tLogoprocess>(std::move(start)));
}

}  // namespace lx
