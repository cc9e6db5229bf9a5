// Primitives of the environment that have nothing to do in the runtime:
// they take their inputs and answer a fixed value, or refuse because the
// runtime writes no files and prints nothing.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerInertPrimitives(tLogoTab& table);

}  // namespace lx
