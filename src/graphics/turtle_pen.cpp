// Pattern tables and hatches of the turtle's pen and brush.
#include "graphics/turtle_pen.h"

#include <array>

namespace lx {
namespace {

constexpr std::array<LineStyle, kLastPenPattern + 1> kPenPatterns = {
    LineStyle::InsideFrame, LineStyle::Dash,  LineStyle::Dot,  LineStyle::DashDot,
    LineStyle::DashDotDot,  LineStyle::Solid, LineStyle::Clear};

constexpr std::array<BrushStyle, kLastFillPattern + 1> kFillPatterns = {
    BrushStyle::Solid,           BrushStyle::BackwardDiagonal, BrushStyle::Cross,    BrushStyle::DiagonalCross,
    BrushStyle::ForwardDiagonal, BrushStyle::Horizontal,       BrushStyle::Vertical, BrushStyle::Clear};

template <class Table, class Style>
int highestIndexOf(const Table& table, Style style) {
  for (int i = static_cast<int>(table.size()) - 1; i >= 0; --i)
    if (table[i] == style) return i;
  return 0;
}

}  // namespace

LineStyle lineStyleOfPattern(int pattern) {
  return pattern >= 0 && pattern <= kLastPenPattern ? kPenPatterns[pattern] : LineStyle::InsideFrame;
}

BrushStyle brushStyleOfPattern(int pattern) {
  return pattern >= 0 && pattern <= kLastFillPattern ? kFillPatterns[pattern] : BrushStyle::Solid;
}

int patternOfLineStyle(LineStyle style) {
  return highestIndexOf(kPenPatterns, style);
}

int patternOfBrushStyle(BrushStyle style) {
  return highestIndexOf(kFillPatterns, style);
}

bool brushCovers(BrushStyle style, int x, int y) {
  const int cx = x & 7, cy = y & 7;
  switch (style) {
    case BrushStyle::Solid: return true;
    case BrushStyle::Clear: return false;
    case BrushStyle::Horizontal: return cy == 0;
    case BrushStyle::Vertical: return cx == 0;
    case BrushStyle::Cross: return cx == 0 || cy == 0;
    // Backward diagonals rise to the right (/), forward ones fall (\).
    case BrushStyle::BackwardDiagonal: return ((cx + cy) & 7) == 7;
    case BrushStyle::ForwardDiagonal: return cx == cy;
    case BrushStyle::DiagonalCross: return cx == cy || ((cx + cy) & 7) == 7;
  }
  return true;
}

}  // namespace lx
