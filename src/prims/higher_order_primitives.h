// `apply`, `map`, `filter` and `generate`: primitives that call a procedure
// given as a name, as a procedure text, or as a template.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerHigherOrderPrimitives(tLogoTab& table);

}  // namespace lx
