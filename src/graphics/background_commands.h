// The bg commands of pages and panes: drawing into the background with the
// surface's line pen, flood fill, pictures, and the interactive drawings
// that the user makes with the mouse. A turtle or control on a page that
// runs one draws on its page's (or pane's) surface.
#pragma once

#include "objects/multi_object.h"

namespace lx {

void declareBackgroundCommands(tmultiobject& prototype);

}  // namespace lx
