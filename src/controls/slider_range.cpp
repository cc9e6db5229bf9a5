// A slider's numbers and the geometry of its track.
#include "controls/slider_range.h"

#include <algorithm>
#include <cmath>

namespace lx {

bool SliderRange::set(int32_t value, int32_t min, int32_t max) {
  const bool inverted = max < min;
  const int32_t lo = std::min(min, max);
  const int32_t hi = std::max(min, max);
  int64_t p = inverted ? int64_t{lo} + hi - value : value;
  p = std::clamp<int64_t>(p, lo, hi);
  if (lo == lo_ && hi == hi_ && inverted == inverted_ && p == p_) return false;
  lo_ = lo;
  hi_ = hi;
  inverted_ = inverted;
  p_ = static_cast<int32_t>(p);
  return true;
}

bool SliderRange::setPosition(int64_t position) {
  const auto p = static_cast<int32_t>(std::clamp<int64_t>(position, lo_, hi_));
  if (p == p_) return false;
  p_ = p;
  return true;
}

int32_t SliderRange::page() const {
  return static_cast<int32_t>((int64_t{hi_} - lo_ + 1) / 10);
}

// With t the thumb length, h = t div 2 its extent along the track, e =
// h div 2 the track's inset and f = L − 2e − 4 the usable length, the
// leading edge sits at e + 2 + (p − lo) · (f − h) / (hi − lo + 1).
double SliderRange::thumbEdge(int length, int thumbLength) const {
  const int h = thumbLength / 2;
  const int e = h / 2;
  const double f = length - 2 * e - 4;
  return e + 2 + (double(p_) - lo_) * (f - h) / (double(hi_) - lo_ + 1);
}

int32_t SliderRange::positionAt(double edge, int length, int thumbLength) const {
  const int h = thumbLength / 2;
  const int e = h / 2;
  const double f = length - 2 * e - 4;
  const double step = (f - h) / (double(hi_) - lo_ + 1);
  if (step <= 0) return p_;
  const double p = std::round((edge - e - 2) / step + lo_);
  return static_cast<int32_t>(std::clamp<double>(p, lo_, hi_));
}

}  // namespace lx
