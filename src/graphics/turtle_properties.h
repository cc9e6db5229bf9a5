// The properties of turtles: position, heading and home, pen and fill,
// font, range, shape and flags. Their getters and setters run on the
// calling process's thread.
#pragma once

#include "objects/multi_object.h"

namespace lx {

void declareTurtleProperties(tmultiobject& prototype);

// Setting the pen's colour also sets the fill colour (`penColour`,
// `setpenstate`).
void setPenColour(tmultiobject& self, const Value& colour);
// The pen mode's localized word, and the mode of such a word (error 22).
Value penWordOf(tmultiobject& self);
void setPenWord(tmultiobject& self, const Value& word);

}  // namespace lx
