// Inputs of turtle commands.
#include "graphics/turtle_inputs.h"

#include <cmath>

#include "graphics/global_setting.h"
#include "graphics/turtle_any.h"
#include "graphics/turtle_state.h"
#include "core/logo_exception.h"
#include "values/any_word.h"
#include "values/pools.h"
#include "values/random.h"

namespace lx {

bool isAnyWord(const Value& value) {
  return value->isWord() && !value->isNumber() && isTheAnyWord(value->wordText());
}

long double numberOrAny(const Value& value, std::string_view key, int low, int high) {
  if (isAnyWord(value)) return anyInRange(key, low, high);
  const long double v = value->asReal();
  if (!std::isfinite(v)) throw eLogoException(erNumTooBig, value);
  return v;
}

int wholeOrAny(const Value& value, int lo, int hi, int anyLow, int anyHigh) {
  if (isAnyWord(value)) return anyLow + static_cast<int>(randomBelow(anyHigh - anyLow + 1));
  return value->asIntegerIn(lo, hi);
}

PointF randomPixelPoint(const tLogoTurtleParams& turtle) {
  const tgrScreen* surface = turtle.surface();
  const long double width = surface ? surface->width() : 0, height = surface ? surface->height() : 0;
  const Value setting = globalSetting("anypos");
  const AnyMargins margins = anyMarginsFrom(setting.get());
  return {randomCoordinate(width, margins.x), randomCoordinate(height, margins.y)};
}

long double coordinateOrAny(const Value& value, const tLogoTurtleParams& turtle, bool xAxis) {
  if (!isAnyWord(value)) return numberOrAny(value, "", 0, 0);
  const PointF page = turtle.surface() ? turtle.surface()->toPage(randomPixelPoint(turtle)) : PointF{};
  return xAxis ? page.x : page.y;
}

Value numberValue(long double v) {
  // Whole within 32 bits by a truncating conversion, which costs less than
  // floor on long doubles (every heading and position read passes here).
  if (std::fabs(v) < 2147483647.0L) {
    const auto whole = static_cast<int32_t>(v);
    if (whole == v) return makeInt(whole);
  }
  return makeReal(v);
}

}  // namespace lx
