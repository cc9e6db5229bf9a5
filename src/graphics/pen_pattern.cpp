// Pen and fill pattern tables and their cairo set-up.
#include "graphics/pen_pattern.h"

#include <cairo.h>

#include <array>

namespace lx {
namespace {

constexpr std::array<PenStyle, kPenPatternCount> kPenTable = {
    PenStyle::InsideFrame, PenStyle::Dash,  PenStyle::Dot,   PenStyle::DashDot,
    PenStyle::DashDotDot,  PenStyle::Solid, PenStyle::Clear,
};
constexpr std::array<FillStyle, kFillPatternCount> kFillTable = {
    FillStyle::Solid,     FillStyle::BDiagonal,  FillStyle::Cross,    FillStyle::DiagCross,
    FillStyle::FDiagonal, FillStyle::Horizontal, FillStyle::Vertical, FillStyle::Clear,
};

// Hatches repeat every 8 pixels.
constexpr int kHatchCell = 8;

// Dash lengths in units of the pen width, as dashed pens of the screen
// draw them.
void setDashes(cairo_t* cr, PenStyle style, int width) {
  static const double dash[] = {18, 6};
  static const double dot[] = {3, 3};
  static const double dashDot[] = {9, 6, 3, 6};
  static const double dashDotDot[] = {9, 3, 3, 3, 3, 3};
  const double* pattern = nullptr;
  int count = 0;
  switch (style) {
    case PenStyle::Dash:
      pattern = dash, count = 2;
      break;
    case PenStyle::Dot:
      pattern = dot, count = 2;
      break;
    case PenStyle::DashDot:
      pattern = dashDot, count = 4;
      break;
    case PenStyle::DashDotDot:
      pattern = dashDotDot, count = 6;
      break;
    default:
      cairo_set_dash(cr, nullptr, 0, 0);
      return;
  }
  double scaled[6];
  for (int i = 0; i < count; ++i) scaled[i] = pattern[i] * (width > 1 ? width : 1);
  cairo_set_dash(cr, scaled, count, 0);
}

}  // namespace

PenStyle penStyleOf(int index) {
  return index >= 0 && index < kPenPatternCount ? kPenTable[index] : kPenTable[0];
}

FillStyle fillStyleOf(int index) {
  return index >= 0 && index < kFillPatternCount ? kFillTable[index] : kFillTable[0];
}

int penPatternIndex(PenStyle style) {
  for (int i = kPenPatternCount - 1; i >= 0; --i)
    if (kPenTable[i] == style) return i;
  return 0;
}

int fillPatternIndex(FillStyle style) {
  for (int i = kFillPatternCount - 1; i >= 0; --i)
    if (kFillTable[i] == style) return i;
  return 0;
}

bool applyPen(cairo_t* cr, const Pen& pen) {
  if (pen.style == PenStyle::Clear) return false;
  setSourceColour(cr, pen.colour);
  cairo_set_line_width(cr, pen.width > 1 ? pen.width : 1);
  cairo_set_line_cap(cr, pen.width > 1 ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  setDashes(cr, pen.style, pen.width);
  return true;
}

bool brushCovers(FillStyle style, int x, int y) {
  const int cx = x & (kHatchCell - 1);
  const int cy = y & (kHatchCell - 1);
  switch (style) {
    case FillStyle::Solid:
      return true;
    case FillStyle::Clear:
      return false;
    case FillStyle::Horizontal:
      return cy == 0;
    case FillStyle::Vertical:
      return cx == 0;
    case FillStyle::Cross:
      return cx == 0 || cy == 0;
    case FillStyle::FDiagonal:
      return cx == cy;
    case FillStyle::BDiagonal:
      return ((cx + cy) & (kHatchCell - 1)) == kHatchCell - 1;
    case FillStyle::DiagCross:
      return cx == cy || ((cx + cy) & (kHatchCell - 1)) == kHatchCell - 1;
  }
  return false;
}

bool applyBrush(cairo_t* cr, const Brush& brush) {
  if (brush.style == FillStyle::Clear) return false;
  if (brush.style == FillStyle::Solid) {
    setSourceColour(cr, brush.colour);
    return true;
  }
  cairo_surface_t* cell = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kHatchCell, kHatchCell);
  cairo_surface_flush(cell);
  unsigned char* data = cairo_image_surface_get_data(cell);
  const int stride = cairo_image_surface_get_stride(cell);
  for (int y = 0; y < kHatchCell; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < kHatchCell; ++x)
      row[x] = brushCovers(brush.style, x, y) ? (0xFF000000u | (brush.colour & 0xFFFFFF)) : 0;
  }
  cairo_surface_mark_dirty(cell);
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(cell);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
  cairo_set_source(cr, pattern);
  cairo_pattern_destroy(pattern);
  cairo_surface_destroy(cell);
  return true;
}

}  // namespace lx
