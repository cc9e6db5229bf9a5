// The shapes the bg commands draw into a surface's background bitmap with
// the surface's line pen: lines, dots, rectangles, ellipses, arcs, flood
// fill and polylines. Each takes the drawing lock for its duration and
// invalidates only the rectangle it changed. Coordinates are pixels.
#pragma once

#include <utility>
#include <vector>

#include "graphics/gr_screen.h"

namespace lx {

enum class Filling : uint8_t { Outline, Filled };

void drawLine(tgrScreen& surface, PointF from, PointF to);
// Connected segments through the points (a freehand drawing).
void drawPolyline(tgrScreen& surface, const std::vector<PixelPoint>& points);
// `count` dots at random integer offsets within `radius` of `centre`.
void drawDots(tgrScreen& surface, PixelPoint centre, int count, int radius);
// A rectangle: filled solid with the line colour and outlined with the pen.
void drawRectangle(tgrScreen& surface, const PixelRect& rect, Filling filling);
// The ellipse inscribed in the rectangle.
void drawEllipse(tgrScreen& surface, const PixelRect& rect, Filling filling);
// The arc of the ellipse inscribed in `rect`, counter-clockwise from the
// direction of `start` to the direction of `end` seen from its centre.
void drawArc(tgrScreen& surface, const PixelRect& rect, PointF start, PointF end);
// Flood fill with the line colour, solid, of the area of the seed's colour.
void fillArea(tgrScreen& surface, PixelPoint seed);

}  // namespace lx
