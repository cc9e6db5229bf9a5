// Vector angles and rotation.
#include "values/point_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/logo_exception.h"
#include "values/list_builder.h"
#include "values/pools.h"
#include "values/vector_arithmetic.h"

namespace lx {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
struct XY {
  long double x, y;
};

XY coordinates(const tLogoList& point) { return {point.element()->asReal(), point.rest()->element()->asReal()}; }

Value pointOf(XY p) { return tLogoList::cons(makeReal(p.x), tLogoList::cons(makeReal(p.y), nullptr)); }

// Cosine and sine of an angle in degrees; quarter turns come out exact.
XY cosineAndSine(long double degrees) {
  const long double radians = std::fmod(degrees, 360.0L) * kPi / 180;
  long double c = std::cos(radians), s = std::sin(radians);
  if (std::fabs(c) == 1) s = 0;
  if (std::fabs(s) == 1) c = 0;
  return {c, s};
}

Value rotated(const tLogoList& list, XY cs, int depth) {
  if (isPoint(list)) {
    const XY p = coordinates(list);
    // Clockwise in page coordinates (y up): the rotation by -angle.
    return pointOf({p.x * cs.x + p.y * cs.y, -p.x * cs.y + p.y * cs.x});
  }
  if (depth > kMaxPointNesting || !isPointList(list)) throw eLogoException(erExpectList2, selfRef(list));
  ListBuilder builder;
  for (const Value& element : list) {
    const tLogoList& inner = *asList(*element);
    builder.add(inner.isEmpty() ? element : rotated(inner, cs, depth + 1));
  }
  return builder.finish();
}

}  // namespace

Value vectorAngle(const tLogoList& a, const tlogoobject& b) {
  if (!isPoint(a)) throw eLogoException(erBadStructure, selfRef(a));
  if (!isPoint(b)) throw eLogoException(erBadStructure, selfValue(b));
  const XY u = coordinates(a), v = coordinates(*asList(b));
  const long double uu = u.x * u.x + u.y * u.y, vv = v.x * v.x + v.y * v.y;
  if (uu == 0 || vv == 0) throw eLogoException(erBadStructure, uu == 0 ? selfValue(a) : selfValue(b));
  // One square root of the product keeps parallel vectors at exactly 0.
  const long double lengths = std::sqrt(uu * vv);
  const long double cosine = std::clamp((u.x * v.x + u.y * v.y) / lengths, -1.0L, 1.0L);
  return makeReal(std::acos(cosine) * 180 / kPi);
}

Value rotatePoints(const tLogoList& points, const tlogoobject& angle) {
  return rotated(points, cosineAndSine(angle.asReal()), 0);
}

}  // namespace lx
