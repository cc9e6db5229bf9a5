// Comparing two pictures channel by channel, for render tests: how far
// they differ at most and on average, and how many pixels differ visibly.
// Fonts and anti-aliasing differ slightly between machines, so pictures
// are compared within a tolerance rather than exactly.
#pragma once

#include <string>

#include "platform/pixel_buffer.h"

namespace lx::testing {

struct ImageDifference {
  bool sameSize = true;
  int maxChannel = 0;      // the largest difference of one channel, 0..255
  double meanChannel = 0;  // the mean difference over every channel of every pixel
  long visiblePixels = 0;  // pixels with a channel differing by more than kVisible
  long pixels = 0;

  static constexpr int kVisible = 48;
  // Within tolerance: same size, a mean difference of at most half a step,
  // and at most one pixel in a thousand visibly different.
  bool withinTolerance() const { return sameSize && meanChannel <= 0.5 && visiblePixels * 1000 <= pixels; }
  std::string describe() const;
};

ImageDifference compareImages(const PixelBuffer& actual, const PixelBuffer& expected);

}  // namespace lx::testing
