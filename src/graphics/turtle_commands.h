// The commands of turtles: moving and turning, the pen, showing, drawing
// dots, circles, fills, labels, stamps and drawing lists, and the questions
// turtles answer about their state, their shapes and each other.
#pragma once

#include "objects/multi_object.h"

namespace lx {

void declareTurtleMotionCommands(tmultiobject& prototype);
void declareTurtleDrawingCommands(tmultiobject& prototype);
void declareTurtleDrawingListCommands(tmultiobject& prototype);
void declareTurtleQueryCommands(tmultiobject& prototype);

}  // namespace lx
