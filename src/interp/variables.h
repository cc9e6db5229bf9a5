// Variables as Logo code sees them: the local binding of the name when the
// running procedures have one (dynamic scope), else the global variable.
#pragma once

#include "core/name_codes.h"
#include "core/value.h"

namespace lx {

// The value of `name` (error 24 naming it when it has none).
Value variableValue(NameCode name);
// Sets `name`: its local binding when there is one, else the global variable.
void setVariable(NameCode name, Value value);

}  // namespace lx
