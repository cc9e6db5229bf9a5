// Emptying the world before a project is loaded into it afresh: the
// project's objects, the main object's procedures, handlers and global
// variables, and the property lists go; the system's own objects and
// variables stay.
#pragma once

namespace lx {

void resetProjectWorld();

}  // namespace lx
