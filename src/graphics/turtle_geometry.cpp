// Headings, steps and bearings of the turtle.
#include "graphics/turtle_geometry.h"

#include <cmath>
#include <numbers>

namespace lx {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kDegree = kPi / 180;

struct SineAndCosine {
  long double sine;
  long double cosine;
};

// Of an angle in degrees. The angle is first brought into [-45, 45]
// degrees exactly, by a remainder of whole quarter turns: the library's own
// reduction of larger angles in radians costs more than all the rest of a
// turtle's step, and quarter turns come out exact.
SineAndCosine sineAndCosine(long double degrees) {
  long double s, c;
  if (!std::isfinite(degrees)) {
    sincosl(degrees, &s, &c);
    return {s, c};
  }
  const long double turned = std::fmod(degrees, 360.0L);
  const long double quarters = std::nearbyint(turned / 90);
  sincosl((turned - quarters * 90) * kDegree, &s, &c);
  switch ((static_cast<int>(quarters) % 4 + 4) % 4) {
    case 0: return {s, c};
    case 1: return {c, -s};
    case 2: return {-s, -c};
    default: return {-c, s};
  }
}

}  // namespace

long double normaliseHeading(long double heading) {
  if (!std::isfinite(heading)) return 0;
  // A remainder first: repeated subtraction alone would take forever for
  // a heading of 1e30.
  if (heading >= 360 || heading < 0) heading = std::fmod(heading, 360.0L);
  while (heading >= 360) heading -= 360;
  while (heading < 0) heading += 360;
  // fmod of a tiny negative number plus 360 can round to 360 itself.
  return heading >= 360 ? 0 : heading;
}

long double directionOf(long double heading) {
  return (90 - heading) * kDegree;
}

PointF stepAlong(PointF from, long double heading, long double distance) {
  // Quarter turns are exact, so that squares close on whole pixels.
  auto [s, c] = sineAndCosine(90 - heading);
  if (std::fabs(c) < 1e-15L) c = 0;
  if (std::fabs(s) < 1e-15L) s = 0;
  return {from.x + distance * c, from.y - distance * s};
}

long double bearingOf(long double dx, long double dy) {
  if (dy == 0) return dx == 0 ? 0 : (dx > 0 ? 90 : 270);
  const long double toDegrees = 1 / kDegree;
  if (dy > 0) return dx >= 0 ? std::atan(dx / dy) * toDegrees : 360 - std::atan(-dx / dy) * toDegrees;
  return dx >= 0 ? 180 - std::atan(-dx / dy) * toDegrees : 180 + std::atan(dx / dy) * toDegrees;
}

long double bearingBetween(PointF from, PointF to) {
  return bearingOf(to.x - from.x, from.y - to.y);
}

}  // namespace lx
