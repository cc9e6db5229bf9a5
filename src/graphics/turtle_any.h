// Random values for the word `any`: the ranges kept in the global variables
// named after the commands (`anyforward`, `anyleft`, ...) and the random
// positions of `anypos`.
#pragma once

#include <cstdint>

#include "values/value.h"

namespace lx {

struct AnyBounds {
  int64_t lo = 0;
  int64_t hi = 0;
};

// The bounds a setting gives: a number n sets the upper bound to |n|; a list
// [a b] sets both to |a| and |b|; bounds are swapped when the upper is the
// smaller. Anything else (no setting) leaves the defaults.
AnyBounds anyBoundsFrom(const tlogoobject* setting, AnyBounds defaults);
// A random integer within the bounds.
int64_t drawWithin(AnyBounds bounds);

// The margins of `anypos`: a number m, or [mx my]; 10 by default.
struct AnyMargins {
  long double x = 10;
  long double y = 10;
};
AnyMargins anyMarginsFrom(const tlogoobject* setting);
// A random pixel coordinate on a side of `size` pixels, `margin` from both
// ends; the middle when the side is narrower than both margins.
long double randomCoordinate(long double size, long double margin);

}  // namespace lx
