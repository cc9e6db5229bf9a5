// Scan-line flood fill over a mask of the area.
#include "graphics/flood_fill.h"

#include <cstdint>
#include <vector>

namespace lx {
namespace {

// The area as a mask over `clip`: 1 for a pixel of the area.
class AreaMask {
 public:
  explicit AreaMask(const PixelRect& clip) : clip_(clip), bits_(size_t(clip.width) * clip.height, 0) {}
  bool marked(int x, int y) const { return bits_[index(x, y)] != 0; }
  void mark(int x, int y) { bits_[index(x, y)] = 1; }
  const PixelRect& clip() const { return clip_; }

 private:
  size_t index(int x, int y) const { return size_t(y - clip_.y) * clip_.width + (x - clip_.x); }
  PixelRect clip_;
  std::vector<uint8_t> bits_;
};

struct Seed {
  int x;
  int y;
};

// Marks the run of row `y` around `x` and queues the runs above and below.
// Every pixel looked at lies inside the clip, which lies inside the buffer.
template <class Inside>
PixelRect markArea(const PixelBuffer& buffer, AreaMask& mask, Seed seed, const Inside& inside) {
  const PixelRect& clip = mask.clip();
  auto open = [&](int x, int y) { return !mask.marked(x, y) && inside(buffer.row(y)[x] & 0xFFFFFF); };
  PixelRect area;
  std::vector<Seed> pending{seed};
  while (!pending.empty()) {
    const Seed s = pending.back();
    pending.pop_back();
    if (!open(s.x, s.y)) continue;
    int left = s.x;
    int right = s.x;
    while (left > clip.x && open(left - 1, s.y)) --left;
    while (right + 1 < clip.right() && open(right + 1, s.y)) ++right;
    for (int x = left; x <= right; ++x) mask.mark(x, s.y);
    area = unite(area, {left, s.y, right - left + 1, 1});
    for (int y : {s.y - 1, s.y + 1}) {
      if (y < clip.y || y >= clip.bottom()) continue;
      bool inRun = false;
      for (int x = left; x <= right; ++x) {
        const bool o = open(x, y);
        if (o && !inRun) pending.push_back({x, y});
        inRun = o;
      }
    }
  }
  return area;
}

void paintArea(PixelBuffer& buffer, const AreaMask& mask, const PixelRect& area, const Brush& brush) {
  const bool solid = brush.style == FillStyle::Solid;
  for (int y = area.y; y < area.bottom(); ++y) {
    uint32_t* row = buffer.row(y);
    for (int x = area.x; x < area.right(); ++x)
      if (mask.marked(x, y) && (solid || brushCovers(brush.style, x, y))) row[x] = brush.colour & 0xFFFFFF;
  }
}

template <class Inside>
PixelRect fill(PixelBuffer& buffer, int x, int y, const Brush& brush, const PixelRect& clip,
               const Inside& inside) {
  const PixelRect limits = intersect(clip, buffer.bounds());
  if (!limits.contains(x, y)) return {};
  AreaMask mask(limits);
  const PixelRect area = markArea(buffer, mask, {x, y}, inside);
  paintArea(buffer, mask, area, brush);
  return area;
}

}  // namespace

PixelRect floodFillSameColour(PixelBuffer& buffer, int x, int y, const Brush& brush, const PixelRect& clip) {
  const Rgb seed = buffer.pixel(x, y);
  return fill(buffer, x, y, brush, clip, [seed](Rgb colour) { return colour == seed; });
}

PixelRect floodFillToBorder(PixelBuffer& buffer, int x, int y, Rgb border, const Brush& brush,
                            const PixelRect& clip) {
  border &= 0xFFFFFF;
  return fill(buffer, x, y, brush, clip, [border](Rgb colour) { return colour != border; });
}

}  // namespace lx
