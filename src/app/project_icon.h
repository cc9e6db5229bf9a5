// The icon a saved project carries: the picture the main window's `icon`
// variable holds, or, while that variable is unset, the icon of the project
// loaded last just as it came.
#pragma once

#include <iosfwd>

#include "core/value.h"

namespace lx {

// The value of the main window's `icon` variable (any of its spellings);
// none when it is unset or there is no main window.
Value mainWindowIcon();

// Appends the project's icon chunk to a project container: the first cell of
// an image in the `icon` variable as a bitmap; nothing when the variable
// holds anything else (a project may drop its icon); the kept icon chunk
// when the variable is unset.
void appendProjectIcon(std::iostream& io);

// Shows the project's icon (the one a save would write) as the main
// window's icon; nothing changes when there is none or it cannot be read.
void showProjectIcon();

}  // namespace lx
