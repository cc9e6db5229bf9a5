// The turtle's pen and fill brush: colour, width, the line and brush styles
// behind the pattern numbers Logo reads and writes, and the pen modes.
#pragma once

#include <cstdint>

#include "platform/pixel_buffer.h"

namespace lx {

// What the pen does to the drawing as the turtle moves.
enum class PenMode : uint8_t { Up = 0, Down = 1, Reverse = 2, Erase = 3 };

enum class LineStyle : uint8_t { InsideFrame, Dash, Dot, DashDot, DashDotDot, Solid, Clear };
enum class BrushStyle : uint8_t {
  Solid,
  BackwardDiagonal,
  Cross,
  DiagonalCross,
  ForwardDiagonal,
  Horizontal,
  Vertical,
  Clear
};

inline constexpr int kLastPenPattern = 6;
inline constexpr int kLastFillPattern = 7;

// The style of a pattern number (numbers outside the table: solid).
LineStyle lineStyleOfPattern(int pattern);
BrushStyle brushStyleOfPattern(int pattern);
// The pattern number of a style: the highest number that has it, 0 if none.
int patternOfLineStyle(LineStyle style);
int patternOfBrushStyle(BrushStyle style);

struct TurtlePen {
  Rgb colour = 0;
  int width = 1;
  LineStyle style = LineStyle::InsideFrame;
};

struct TurtleBrush {
  Rgb colour = 0;
  BrushStyle style = BrushStyle::Solid;
};

// Whether a hatched brush colours the pixel (x, y) of the drawing; hatches
// repeat every 8 pixels from the drawing's upper-left corner, so areas
// filled one after the other line up.
bool brushCovers(BrushStyle style, int x, int y);

}  // namespace lx
