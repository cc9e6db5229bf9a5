// Mouse notifications as Logo events.
#include "graphics/mouse_events.h"

#include "objects/events.h"
#include "objects/object_codes.h"

namespace lx {
namespace {

void raise(tmultiobject& object, NameCode event) {
  raiseEvent(&object, event);
}

}  // namespace

void raiseMouseEvent(tmultiobject& object, const GraphicMouse& event) {
  const ObjectCodes& codes = objectCodes();
  const int button = mouseButtonIndex(event.button);
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
