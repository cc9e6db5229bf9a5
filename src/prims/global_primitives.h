// Registers every global primitive of the main object: the operators and
// value methods, `output` and `stop`, and each group of primitives.
//
// Layer: prims, above interp (beside objects, which it does not use). The
// global primitives the main object registers.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerGlobalPrimitives(tLogoTab& table);

}  // namespace lx
