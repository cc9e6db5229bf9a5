// Registers every global primitive of the main object: the operators and
// value methods, `output` and `stop`, and each group of primitives.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerGlobalPrimitives(tLogoTab& table);

}  // namespace lx
