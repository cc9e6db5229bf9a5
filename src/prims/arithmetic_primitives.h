// `sum`, `product`, `bitand`, `bitor` and `bitxor`: the arithmetic of any
// number of inputs. The two-input operators and the functions of one number
// are value methods, registered with the operators.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerArithmeticPrimitives(tLogoTab& table);

}  // namespace lx
