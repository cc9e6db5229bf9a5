// `and`, `or` and `xor` of any number of truth values, where a list input is
// an expression evaluated only when its truth is needed; and `equal?`.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerLogicPrimitives(tLogoTab& table);

}  // namespace lx
