// The global primitives that ask the user: message and button boxes, typed
// words and lists, choices from a list or a pop-up menu, and the choosers
// of colours, pens, fills, widths, files, addresses and voices.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerDialogPrimitives(tLogoTab& table);
// The choosers (chooser_primitives.cpp).
void registerChooserPrimitives(tLogoTab& table);

}  // namespace lx
