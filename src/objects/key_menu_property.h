// The `keyMenu` property every instance has of its own: the keys it reacts
// to while it is shown. The value is kept in the object; what makes a valid
// value is known to the layer that reads keys, which hands its check in.
#pragma once

#include "core/value.h"

namespace lx {

class tmultiobject;

// Raises the error of a value that is no valid key menu.
using KeyMenuCheck = void (*)(const Value& value);
void setKeyMenuCheck(KeyMenuCheck check);

// Declares the property on a new instance.
void declareKeyMenu(tmultiobject& object);

}  // namespace lx
