// Conversions of point lists for turtle geometry. A point list here is a
// list of points [x y], possibly nested, with empty lists as breaks between
// runs of points (where a drawing lifts its pen).
#pragma once

#include "values/list.h"

namespace lx {

// From a start point and the steps after it to the points visited: the
// first point stays, every later element is a step added to the point
// before it. [[10 10] [5 0] [0 5]] gives [[10 10] [15 10] [15 15]].
Value toPoints(const tLogoList& list);
// The inverse: the first point, then the step from each point to the next.
Value toVectors(const tLogoList& list);
// A smooth curve through the points of each run (a Catmull-Rom spline
// sampled kSplineSteps times between neighbours); the first and last
// points of a run stay where they were. Runs of fewer than three points
// are kept as they are.
Value splineThrough(const tLogoList& list);
inline constexpr int kSplineSteps = 8;

// A random point inside a rectangle [x y width height] or [[x y] width
// height] in page coordinates: (x, y) is the upper-left corner and the
// rectangle extends right and down (y decreasing). Whole numbers give
// whole coordinates.
Value randomPointIn(const tLogoList& rectangle);

}  // namespace lx
