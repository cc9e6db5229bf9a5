// The geometry of a drawing list's circles, ellipses, arcs and pies, in the
// list's own frame (y downwards). Angles are measured like headings: 0 at
// the top of the ellipse, growing clockwise.
#pragma once

#include <vector>

#include "graphics/surface_geometry.h"

namespace lx {

struct EllipseRadii {
  long double x = 0;
  long double y = 0;
};

// The radii of the line the pen follows for an ellipse `width` × `height`
// drawn with a pen `penWidth` wide: half the size less half the pen, so
// that the whole outline, pen included, stays within the size.
EllipseRadii ellipseRadii(long double width, long double height, int penWidth);

// The angle in degrees between neighbouring points of an arc: finer for
// larger ellipses, from 1 to 12.
long double arcStep(EllipseRadii radii);

// The sweep of an arc brought into 0..360 (whole turns taken off; a
// positive multiple of 360 is a whole turn, 360).
long double normalisedSweep(long double sweep);

// The points of the arc from angle `start` clockwise through `sweep`
// degrees (0..360): one every arcStep, and the exact end.
std::vector<PointF> arcPoints(PointF centre, EllipseRadii radii, long double start, long double sweep);

}  // namespace lx
