// Reading and making point and rectangle lists.
#include "graphics/rect_list.h"

#include <cmath>
#include <vector>

#include "core/logo_exception.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

// The elements of a list value; error `notList` when it is no list.
std::vector<Value> elementsOf(const Value& value, errorConst notList) {
  const tLogoList* list = asList(*value);
  if (!list) throw eLogoException(notList, value);
  return {list->begin(), list->end()};
}

bool isPoint(const Value& value) {
  const tLogoList* list = asList(*value);
  if (!list || list->count() != 2) return false;
  for (const Value& v : *list)
    if (!v->isNumber()) return false;
  return true;
}

PointF pointOrError(const Value& value, errorConst code) {
  if (!isPoint(value)) throw eLogoException(code, value);
  const tLogoList& list = *asList(*value);
  return {list.element()->asReal(), list.rest()->element()->asReal()};
}

int rounded(long double v) {
  return roundedCoordinate(v);
}

long double numberIn(const Value& rect, const Value& element) {
  if (!element->isNumber()) throw eLogoException(erExpectRect, rect);
  return element->asReal();
}

Value number(long double v) {
  if (v == std::floor(v) && std::fabs(v) < 2147483647.0L) return makeInt(static_cast<int32_t>(v));
  return makeReal(v);
}

}  // namespace

PointF pointOf(const Value& value) {
  return pointOrError(value, erExpectList2);
}

PixelPoint pixelPointOf(const Value& value) {
  const PointF p = pointOf(value);
  return {rounded(p.x), rounded(p.y)};
}

PointF listedPointOf(const Value& value) {
  if (!value->isList()) throw eLogoException(erExpectList, value);
  return pointOrError(value, erExpectPoint);
}

std::optional<PixelRect> rectOf(const Value& value, Coordinates system, PixelPoint origin) {
  const std::vector<Value> items = elementsOf(value, erExpectList);
  if (items.empty()) return std::nullopt;
  PointF corner;
  long double width = 0;
  long double height = 0;
  if (items.size() == 2) {
    corner = listedPointOf(items[0]);
    const PointF other = listedPointOf(items[1]);
    width = other.x - corner.x;
    height = system == Coordinates::Page ? corner.y - other.y : other.y - corner.y;
  } else if (items.size() == 3) {
    corner = listedPointOf(items[0]);
    width = numberIn(value, items[1]);
    height = numberIn(value, items[2]);
  } else if (items.size() == 4) {
    corner = {numberIn(value, items[0]), numberIn(value, items[1])};
    width = numberIn(value, items[2]);
    height = numberIn(value, items[3]);
  } else {
    throw eLogoException(erExpectRect, value);
  }
  if (system == Coordinates::Page) corner = pixelFromPage(origin, corner);
  int x = rounded(corner.x);
  int y = rounded(corner.y);
  int w = rounded(width);
  int h = rounded(height);
  if (w < 0) x += w, w = -w;
  if (h < 0) y += h, h = -h;
  return PixelRect{x, y, w, h};
}

std::optional<std::pair<PointF, PointF>> lineOf(const Value& value) {
  const std::vector<Value> items = elementsOf(value, erExpectList);
  if (items.empty()) return std::nullopt;
  if (items.size() == 2) return std::make_pair(listedPointOf(items[0]), listedPointOf(items[1]));
  if (items.size() != 4) throw eLogoException(erExpectRect, value);
  const PointF from{numberIn(value, items[0]), numberIn(value, items[1])};
  return std::make_pair(from, PointF{from.x + numberIn(value, items[2]), from.y + numberIn(value, items[3])});
}

Value pointValue(PointF point) {
  ListBuilder list;
  list.add(number(point.x));
  list.add(number(point.y));
  return list.finish();
}

Value rectValue(const PixelRect& rect) {
  ListBuilder list;
  for (int v : {rect.x, rect.y, rect.width, rect.height}) list.add(makeInt(v));
  return list.finish();
}

Value cornersValue(PixelPoint a, PixelPoint b) {
  ListBuilder list;
  list.add(pointValue(asPointF(a)));
  list.add(pointValue(asPointF(b)));
  return list.finish();
}

}  // namespace lx
