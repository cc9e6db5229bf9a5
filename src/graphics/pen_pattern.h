// The pen and fill patterns that turtles and background commands draw
// with, numbered as `penPattern`, `fillPattern` and `bgLinePattern` read
// and write them, and how each is set up on a cairo context.
#pragma once

#include <cstdint>

#include "platform/pixel_buffer.h"

typedef struct _cairo cairo_t;

namespace lx {

enum class PenStyle : uint8_t { InsideFrame, Dash, Dot, DashDot, DashDotDot, Solid, Clear };
enum class FillStyle : uint8_t { Solid, BDiagonal, Cross, DiagCross, FDiagonal, Horizontal, Vertical, Clear };

inline constexpr int kPenPatternCount = 7;   // indices 0..6
inline constexpr int kFillPatternCount = 8;  // indices 0..7

// The style of a pattern index; indices outside the table give the first entry.
PenStyle penStyleOf(int index);
FillStyle fillStyleOf(int index);
// The index of a style: the table searched from its highest index down (0 when absent).
int penPatternIndex(PenStyle style);
int fillPatternIndex(FillStyle style);

// A pen: what lines are drawn with.
struct Pen {
  Rgb colour = 0;
  int width = 1;
  PenStyle style = PenStyle::InsideFrame;
  bool operator==(const Pen&) const = default;
};

// A brush: what areas are filled with.
struct Brush {
  Rgb colour = 0;
  FillStyle style = FillStyle::Solid;
  bool operator==(const Brush&) const = default;
};

// Sets colour, width, dashes and caps of `pen` on `cr`; false for a clear
// pen, which draws nothing.
bool applyPen(cairo_t* cr, const Pen& pen);
// Sets `brush` as the source of `cr`; false for a clear brush. Hatches
// leave the pixels between their lines as they are.
bool applyBrush(cairo_t* cr, const Brush& brush);
// Whether a hatch brush covers pixel (x, y); solid covers all, clear none.
bool brushCovers(FillStyle style, int x, int y);

}  // namespace lx
