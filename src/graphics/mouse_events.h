// The Logo events that mouse notifications raise on an object (a page, a
// pane, or a turtle): onLeftDown and its kin, onLeftUp and its kin,
// onClick, onDoubleClick, onDrag and onMouseMove.
#pragma once

#include "graphics/surface_graphic.h"

namespace lx {

class tmultiobject;

// Raises the event that `event` stands for on `object` (enter and leave
// raise nothing here; their events belong to the object's kind).
void raiseMouseEvent(tmultiobject& object, const GraphicMouse& event);

}  // namespace lx
