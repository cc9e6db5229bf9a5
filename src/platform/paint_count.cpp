// The paint count, kept under a mutex of its own: windows paint on the
// user-interface thread while a process reads or clears it.
#include "platform/paint_count.h"

#include <mutex>

namespace lx {
namespace {

std::mutex countMutex;
PaintCount counted;  // guarded by countMutex

}  // namespace

void countPaint(const PixelRect& dirty) {
  std::lock_guard lock(countMutex);
  ++counted.paints;
  counted.covered = counted.covered.isEmpty() ? dirty : unite(counted.covered, dirty);
}

PaintCount paintCount() {
  std::lock_guard lock(countMutex);
  return counted;
}

void clearPaintCount() {
  std::lock_guard lock(countMutex);
  counted = {};
}

}  // namespace lx
