// `glide path parameters`: the turtle walks a path of displacements,
// measured in its own frame at the start, in steps, waiting or running an
// instruction list after every step.
#pragma once

#include "objects/multi_object.h"

namespace lx {

void declareTurtleGlide(tmultiobject& prototype);

}  // namespace lx
