// Overlap of two shape rectangles through their lens outlines.
#include "graphics/turtle_overlap.h"

#include <cmath>
#include <vector>

namespace lx {
namespace {

struct Circle {
  long double x, y, r;
};

// One circle for a square; for a wide rectangle two large circles stacked
// above and below whose common part is a lens as wide as the rectangle;
// for a tall one two circles left and right. None for an empty rectangle.
std::vector<Circle> lensOf(const PixelRect& rect) {
  const long long hw = (rect.width + 1) / 2, hh = (rect.height + 1) / 2;
  if (hw <= 0 || hh <= 0) return {};
  const long double cx = rect.x + rect.width / 2.0L, cy = rect.y + rect.height / 2.0L;
  if (hw == hh) return {{cx, cy, static_cast<long double>(hw)}};
  const long double squares = static_cast<long double>(hw * hw + hh * hh) / 2;
  if (hh < hw) {
    const long double r = std::round(squares / hh);
    return {{cx, rect.y + r, r}, {cx, rect.bottom() - r, r}};
  }
  const long double r = std::round(squares / hw);
  return {{rect.x + r, cy, r}, {rect.right() - r, cy, r}};
}

bool circlesMeet(const Circle& a, const Circle& b) {
  const long double dx = a.x - b.x, dy = a.y - b.y, reach = a.r + b.r;
  return dx * dx + dy * dy < reach * reach + 5;
}

}  // namespace

bool shapesOverlap(const PixelRect& a, const PixelRect& b, OverlapTest test) {
  if (intersect(a, b).isEmpty()) return false;
  if (test == OverlapTest::Rectangles) return true;
  const std::vector<Circle> lensA = lensOf(a), lensB = lensOf(b);
  if (lensA.empty() || lensB.empty()) return false;
  for (const Circle& ca : lensA)
    for (const Circle& cb : lensB)
      if (!circlesMeet(ca, cb)) return false;
  return true;
}

}  // namespace lx
