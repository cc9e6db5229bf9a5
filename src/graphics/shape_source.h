// What a shape input shows: an image value; a word naming a picture file;
// the empty list for the default turtle; a drawing list, or a list of
// drawing lists, which are shown as the default turtle.
#pragma once

#include "core/value.h"

namespace lx {

// The image to show, or none for the default turtle. Error 7 for a value of
// none of these forms, the loading errors for a name.
Value shownImageOf(const Value& shape);

}  // namespace lx
