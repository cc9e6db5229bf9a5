// The commands of pages and panes beside the bg drawing: cleaning, undo,
// pixel colours, coordinates, the mouse, and the order of the turtles.
#pragma once

#include "objects/multi_object.h"

namespace lx {

void declareSurfaceCommands(tmultiobject& prototype);
// A pane's own: its drawing order among the panes of its page.
void declarePaneCommands(tmultiobject& prototype);
// A page's own: printing (refused), undoing the drawing.
void declarePageCommands(tmultiobject& prototype);

}  // namespace lx
