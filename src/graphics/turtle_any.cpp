// Ranges of the word `any`.
#include "graphics/turtle_any.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "values/list.h"
#include "values/random.h"

namespace lx {
namespace {

// The absolute value of a number, held to what a range can use.
int64_t magnitude(const tlogoobject& number) {
  const long double v = std::fabs(number.asReal());
  if (!(v < 1e15L)) return 1'000'000'000'000'000LL;
  return std::llround(v);
}

}  // namespace

AnyBounds anyBoundsFrom(const tlogoobject* setting, AnyBounds defaults) {
  AnyBounds bounds = defaults;
  if (!setting) return bounds;
  if (setting->isNumber()) {
    bounds.hi = magnitude(*setting);
  } else if (const tLogoList* list = asList(*setting); list && list->count() == 2) {
    const tlogoobject& a = *list->element();
    const tlogoobject& b = *list->rest()->element();
    if (!a.isNumber() || !b.isNumber()) return defaults;
    bounds = {magnitude(a), magnitude(b)};
  }
  if (bounds.hi < bounds.lo) std::swap(bounds.lo, bounds.hi);
  return bounds;
}

int64_t drawWithin(AnyBounds bounds) {
  if (bounds.lo >= bounds.hi) return bounds.lo;
  return bounds.lo + randomBelow(bounds.hi - bounds.lo + 1);
}

AnyMargins anyMarginsFrom(const tlogoobject* setting) {
  AnyMargins margins;
  if (!setting) return margins;
  if (setting->isNumber()) {
    margins.x = margins.y = std::fabs(setting->asReal());
  } else if (const tLogoList* list = asList(*setting); list && list->count() == 2) {
    const tlogoobject& a = *list->element();
    const tlogoobject& b = *list->rest()->element();
    if (a.isNumber() && b.isNumber()) margins = {std::fabs(a.asReal()), std::fabs(b.asReal())};
  }
  return margins;
}

long double randomCoordinate(long double size, long double margin) {
  const long double span = size - 2 * margin;
  if (!(span >= 1) || !std::isfinite(span)) return std::floor(size / 2);
  return margin + randomBelow(static_cast<int64_t>(std::min(span, 1e15L)));
}

}  // namespace lx
