// SliderRange: a slider's numbers. The range is kept ordered — lo the
// smaller and hi the larger of min and max — with an inversion flag set
// when max < min, and the position p in [lo, hi] along the track. Logo
// reads min, max and value through the inversion: min = hi when inverted
// else lo, max = lo when inverted else hi, value = lo + hi − p when
// inverted else p.
#pragma once

#include <cstdint>

namespace lx {

class SliderRange {
 public:
  int32_t min() const { return inverted_ ? hi_ : lo_; }
  int32_t max() const { return inverted_ ? lo_ : hi_; }
  int32_t value() const { return inverted_ ? lo_ + hi_ - p_ : p_; }
  int32_t lo() const { return lo_; }
  int32_t hi() const { return hi_; }
  int32_t position() const { return p_; }
  bool inverted() const { return inverted_; }

  // Sets all three from (value, min, max): a max below min swaps the range
  // and mirrors the position, which is then clamped to the range. Answers
  // whether anything changed.
  bool set(int32_t value, int32_t min, int32_t max);
  bool setMin(int32_t min) { return set(value(), min, max()); }
  bool setMax(int32_t max) { return set(value(), min(), max); }
  bool setValue(int32_t value) { return set(value, min(), max()); }
  // Moves the position, clamped; answers whether it moved.
  bool setPosition(int64_t position);

  // One page: (hi − lo + 1) div 10.
  int32_t page() const;
  // The track's geometry for a control `length` pixels long with a thumb
  // `thumbLength` across: the thumb's leading edge at position p, and the
  // position of a leading edge at `edge` (rounded, clamped).
  double thumbEdge(int length, int thumbLength) const;
  int32_t positionAt(double edge, int length, int thumbLength) const;

 private:
  int32_t lo_ = 0;
  int32_t hi_ = 100;
  int32_t p_ = 0;
  bool inverted_ = false;
};

}  // namespace lx
