// The turtles of a surface as Logo sees them: the ordinary graphics that
// belong to an object, by name, in drawing order, and `reorder`, which
// changes their order.
#pragma once

#include <vector>

#include "graphics/gr_screen.h"
#include "core/value.h"

namespace lx {

// The objects of the surface's ordinary graphics, lowest first.
std::vector<tmultiobject*> turtleObjectsOf(const tgrScreen& surface);
// Those whose shape covers the pixel, lowest first.
std::vector<tmultiobject*> turtleObjectsAt(const tgrScreen& surface, PixelPoint at);

// `reorder`: a word brings that turtle to the top. A list names turtles in
// the wanted order (a sub-list names several together; the empty sub-list
// stands for every turtle not named): the ordinary turtles are laid out
// again in that order in the places they held, and all other graphics keep
// theirs. Names are compared without regard to case; one that names no
// turtle of the surface raises error 71, one that is no word error 8.
void reorderGraphics(tgrScreen& surface, const Value& order);

}  // namespace lx
