// The compiled form of a drawing list: a sequence of drawing items held in
// reals — paths, changes of pen, brush and font, ellipses, dots and labels —
// in the list's own frame (x to the right, y downwards, the list's start at
// (0, 0)), and the pen, brush and font the drawing starts with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/pen_pattern.h"
#include "graphics/surface_geometry.h"
#include "graphics/turtle_font.h"

namespace lx {

// What an item draws or changes; the numbers are the item kinds of a
// compiled drawing.
enum class DrawItemKind : uint8_t {
  Polygon = 2,         // points: a closed path, filled with the brush and outlined with the pen
  Polyline = 3,        // points: an open path drawn with the pen
  PenColour = 4,       // colour
  Brush = 5,           // colour and fill style
  PenWidth = 7,        // width
  PenPattern = 8,      // penStyle
  Ellipse = 10,        // points: centre, then the two half-axes as vectors
  FilledEllipse = 12,  // the same, filled with the brush
  Dot = 13,            // points: centre; size: diameter
  Font = 20,           // font
  Label = 21,          // points: anchor; text, heading
  Label2 = 22,         // the same
};

struct DrawItem {
  DrawItemKind kind = DrawItemKind::Polyline;
  std::vector<PointF> points;
  std::string text;
  Rgb colour = 0;
  int width = 1;
  PenStyle penStyle = PenStyle::InsideFrame;
  FillStyle fillStyle = FillStyle::Solid;
  long double size = 0;     // a dot's diameter
  long double heading = 0;  // a label's heading, degrees clockwise from up
  TurtleFont font;
};

// The pen, brush and font a drawing starts with: a turtle's own, or
// without one black, width 1, solid, and the default font.
struct DrawAttributes {
  Pen pen;
  Brush brush;
  TurtleFont font;
};

// Whether an item's points after the first are vectors (an ellipse's
// half-axes), which move with the drawing's turn and scale but not with
// its position.
inline bool holdsAxes(DrawItemKind kind) {
  return kind == DrawItemKind::Ellipse || kind == DrawItemKind::FilledEllipse;
}

}  // namespace lx
