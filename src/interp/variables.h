// Variables as Logo code sees them: the local binding of the name when the
// running procedures have one (dynamic scope), else the variable of the
// current object's chain (its own, its classes', its place's), else the
// global variable.
#pragma once

#include "core/name_codes.h"
#include "core/value.h"

namespace lx {

class tLogoVarDesc;

// The descriptor `name` reads from now: its local binding, the current
// object's variable or the global one; nullptr when there is none.
tLogoVarDesc* findVariable(NameCode name);

// The value of `name` (error 24 naming it when it has none).
Value variableValue(NameCode name);
// Sets `name` where it is read from; a name nothing holds yet becomes a
// global variable.
void setVariable(NameCode name, Value value);

}  // namespace lx
