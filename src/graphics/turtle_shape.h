// The shape a turtle shows: the default turtle, an arrow of the system's own
// drawing whose hot spot (the pixel on the turtle's position) is its centre,
// turned with the heading, scaled and optionally recoloured. Shapes made
// of pictures and drawing lists are kept as the value Logo gave and shown
// as the default turtle until pictures can be drawn.
#pragma once

#include <optional>

#include "graphics/surface_geometry.h"
#include "platform/pixel_buffer.h"
#include "core/value.h"

typedef struct _cairo cairo_t;

namespace lx {

struct TurtleShape {
  Value value;             // as Logo set it; none: the default turtle
  long double scaleX = 1;  // shapeScale
  long double scaleY = 1;
  std::optional<Rgb> colour;   // shapeColour; none: the shape's own colours
  bool followsHeading = true;  // frameMode
  int frame = 1;
  int animationFrame = 1;
  bool animation = false;
  long double delayScale = 1;
  bool transparentClick = false;
  bool autoDrag = false;
  std::optional<PixelRect> shownRange;  // outside it the shape is clipped
};

// The side of the default turtle's square, and its hot spot.
inline constexpr int kTurtleSide = 25;
inline constexpr int kTurtleHotSpot = 12;

// Where the shape is drawn when its hot spot sits on `anchor`.
PixelRect shapeRectAt(const TurtleShape& shape, PixelPoint anchor);
// Draws the shape into `rect` turned to `heading` (rect from shapeRectAt).
void paintShape(cairo_t* cr, const TurtleShape& shape, const PixelRect& rect, long double heading);
// Whether a point relative to the rectangle's upper-left corner lies on the shape.
bool shapeCovers(const TurtleShape& shape, const PixelRect& rect, long double heading, int x, int y);

}  // namespace lx
