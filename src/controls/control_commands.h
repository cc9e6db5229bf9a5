// The commands every drawn control has besides its properties: `tofront`
// and `toback`, which move it in the page's drawing order, and `startMove`,
// which lets the user move it with the mouse.
#pragma once

#include "objects/multi_object.h"

namespace lx {

void declareOrderCommands(tmultiobject& prototype);

}  // namespace lx
