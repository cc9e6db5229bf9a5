// Mouse notifications as Logo events.
#include "graphics/mouse_events.h"

#include "objects/events.h"
#include "objects/object_codes.h"

namespace lx {
namespace {

// 0 left, 1 right, 2 middle; -1 for none.
int buttonIndex(MouseButton button) {
  switch (button) {
    case MouseButton::Left:
      return 0;
    case MouseButton::Right:
      return 1;
    case MouseButton::Middle:
      return 2;
    default:
      return -1;
  }
}

void raise(tmultiobject& object, NameCode event) {
  raiseEvent(&object, event);
}

}  // namespace

void raiseMouseEvent(tmultiobject& object, const GraphicMouse& event) {
  const ObjectCodes& codes = objectCodes();
  const int button = buttonIndex(event.button);
  switch (event.kind) {
    case GraphicMouseKind::Down:
      if (button == 0 && event.clicks == 2) {
        const NameCode doubleClick = eventCode(EventId::onDoubleClick);
        raise(object, object.eventHandler(doubleClick) ? doubleClick : eventCode(EventId::onClick));
      } else if (button >= 0) {
        raise(object, codes.mouseButtonEvents[button]);
      }
      break;
    case GraphicMouseKind::Up:
      if (button >= 0) raise(object, codes.mouseButtonEvents[3 + button]);
      break;
    case GraphicMouseKind::Click:
      if (button == 0) raise(object, eventCode(EventId::onClick));
      break;
    case GraphicMouseKind::Move:
      if (event.held & kLeftButton) {
        raise(object, eventCode(EventId::onDrag));
      } else if (event.held == kNoButtons) {
        raise(object, eventCode(EventId::onMouseMove));
      }
      break;
    case GraphicMouseKind::Enter:
    case GraphicMouseKind::Leave:
      break;
  }
}

}  // namespace lx
