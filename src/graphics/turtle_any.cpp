// Random positions of the word `any`.
#include "graphics/turtle_any.h"

#include <algorithm>
#include <cmath>

#include "values/list.h"
#include "values/random.h"

namespace lx {

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
