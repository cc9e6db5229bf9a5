// Angles between vectors and rotation of points, in degrees, in the
// turtle's sense: positive angles turn clockwise, as `right` does.
#pragma once

#include "values/list.h"

namespace lx {

// How deep the point and vector operations descend into nested lists before
// they refuse one (far deeper than any drawing needs, and shallow enough
// that no list exhausts the machine's stack).
inline constexpr int kMaxPointNesting = 200;

// The angle between two vectors of exactly two numbers each (error 10
// otherwise, and for a vector of length 0), from 0 to 180.
Value vectorAngle(const tLogoList& a, const tlogoobject& b);
// A point, or every point of a point list, rotated about the origin.
Value rotatePoints(const tLogoList& points, const tlogoobject& angle);

}  // namespace lx
