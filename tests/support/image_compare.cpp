// Channel differences of two pictures.
#include "support/image_compare.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace lx::testing {

std::string ImageDifference::describe() const {
  std::ostringstream text;
  if (!sameSize) return "the pictures differ in size";
  text << "max channel difference " << maxChannel << ", mean " << meanChannel << ", " << visiblePixels
       << " of " << pixels << " pixels visibly different";
  return text.str();
}

ImageDifference compareImages(const PixelBuffer& actual, const PixelBuffer& expected) {
  ImageDifference difference;
  if (actual.width() != expected.width() || actual.height() != expected.height()) {
    difference.sameSize = false;
    return difference;
  }
  actual.flush();
  expected.flush();
  double total = 0;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      const Rgb a = actual.pixel(x, y);
      const Rgb b = expected.pixel(x, y);
      int largest = 0;
      for (int shift : {16, 8, 0}) {
        const int d = std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
        largest = std::max(largest, d);
        total += d;
      }
      difference.maxChannel = std::max(difference.maxChannel, largest);
      if (largest > ImageDifference::kVisible) ++difference.visiblePixels;
    }
  }
  difference.pixels = long(actual.width()) * actual.height();
  difference.meanChannel = difference.pixels ? total / (3.0 * difference.pixels) : 0;
  return difference;
}

}  // namespace lx::testing
