// Points and rectangles given as Logo lists. A point is [x y]. A rectangle
// is [x y width height], [[x y] width height] or two corners [[x1 y1]
// [x2 y2]]; (x, y) is its upper-left corner, and in page coordinates it
// extends right and down from there. The empty list means no rectangle.
#pragma once

#include <optional>
#include <utility>

#include "graphics/surface_geometry.h"
#include "core/value.h"

namespace lx {

enum class Coordinates : uint8_t { Pixel, Page };

// A point [x y] of two numbers; anything else is error 13 naming the value.
PointF pointOf(const Value& value);
// The same, rounded to a pixel.
PixelPoint pixelPointOf(const Value& value);
// A point inside a point list: a non-list is error 6, a list that is not
// two numbers error 19.
PointF listedPointOf(const Value& value);

// A rectangle list in pixels (page coordinates converted through `origin`);
// none for the empty list. Not a list: error 6; a corner that is no point:
// error 19; a list of another length: error 20. Negative sizes are turned
// round so that the rectangle is ordered.
std::optional<PixelRect> rectOf(const Value& value, Coordinates system = Coordinates::Pixel,
                                PixelPoint origin = {});

// A line: [[x1 y1] [x2 y2]] or [x y width height] (from (x, y) to
// (x + width, y + height)), in pixels; none for the empty list.
std::optional<std::pair<PointF, PointF>> lineOf(const Value& value);

// [x y], [x y width height] as Logo lists of integers or reals.
Value pointValue(PointF point);
Value rectValue(const PixelRect& rect);
Value cornersValue(PixelPoint a, PixelPoint b);

}  // namespace lx
