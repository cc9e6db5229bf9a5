// Cutting lines and polygons to a box before they are drawn, so that points
// far outside a drawing (a turtle sent 1e12 pixels away, a drawing list at
// a huge scale) never reach the rasteriser, whose coordinates are limited.
#pragma once

#include <vector>

#include "graphics/surface_geometry.h"

namespace lx {

// Cuts the segment a-b to the part inside `box` (Liang-Barsky); false when
// nothing of it is inside.
bool clipSegment(PointF& a, PointF& b, const SurfaceRange& box);

// The parts of a polyline inside `box`, each a polyline of its own.
std::vector<std::vector<PointF>> clipPolyline(const std::vector<PointF>& points, const SurfaceRange& box);

// The polygon cut to `box` (Sutherland-Hodgman): its area inside the box is
// the same, and new edges run along the box's sides.
std::vector<PointF> clipPolygon(const std::vector<PointF>& points, const SurfaceRange& box);

}  // namespace lx
