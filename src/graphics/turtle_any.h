// Random positions for the word `any`, kept `anypos` pixels away from the
// edges of the surface.
#pragma once

#include "core/value.h"

namespace lx {

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
