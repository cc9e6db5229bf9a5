// The turtle's compass: headings in degrees (0 up, growing clockwise),
// steps along them in pixel coordinates (y down) and bearings between points.
#pragma once

#include "graphics/surface_geometry.h"

namespace lx {

// A heading brought into [0, 360).
long double normaliseHeading(long double heading);
// The direction of motion in radians, counter-clockwise from the x axis:
// (90 − heading)·π/180.
long double directionOf(long double heading);
// The pixel point `distance` ahead of `from` along `heading` (y grows downwards).
PointF stepAlong(PointF from, long double heading, long double distance);
// The compass bearing in [0, 360) of a displacement given with y upwards;
// 0 for no displacement.
long double bearingOf(long double dx, long double dy);
// The bearing from one pixel point to another.
long double bearingBetween(PointF from, PointF to);

}  // namespace lx
