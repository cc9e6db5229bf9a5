// Recoloured cells and their cache.
#include "graphics/shape_recolour.h"

#include <cstdint>
#include <map>
#include <tuple>
#include <unordered_map>

#include "graphics/shape_drawings.h"

namespace lx {

// Recoloured cells by cell and colours. A shape shows a handful of cells,
// so the cache is dropped whole when it grows past that.
struct RecolourCache {
  std::map<std::tuple<const tLogoPicture*, Rgb, Rgb, uint64_t>, PictureRef> cells;
  static constexpr size_t kMostCells = 64;
};

namespace {

Rgb mainColour(const tLogoPicture& cell) {
  std::unordered_map<Rgb, int> counts;
  for (int y = 0; y < cell.height(); ++y)
    for (int x = 0; x < cell.width(); ++x)
      if (!cell.masked(x, y)) ++counts[cell.pixel(x, y)];
  Rgb best = 0;
  int most = -1;
  for (const auto& [colour, count] : counts)
    if (count > most || (count == most && colour < best)) best = colour, most = count;
  return best;
}

}  // namespace

std::unique_ptr<tLogoPicture> recolour(const tLogoPicture& cell, Rgb shapeColour, Rgb penColour) {
  auto result = std::make_unique<tLogoPicture>(cell);
  const Rgb main = mainColour(cell);
  for (int y = 0; y < cell.height(); ++y)
    for (int x = 0; x < cell.width(); ++x) {
      const Rgb c = cell.pixel(x, y);
      if (c == main)
        result->setPixel(x, y, shapeColour);
      else if (c == 0)
        result->setPixel(x, y, penColour);
    }
  return result;
}

PictureRef recolouredCell(const TurtleShape& shape, const tLogoPicture& cell) {
  auto& cache = shape.recoloured;
  if (!cache) cache = std::make_shared<RecolourCache>();
  const uint64_t generation = shape.drawings ? shape.drawings->generation() : 0;
  const auto key = std::make_tuple(&cell, *shape.colour, shape.penColour, generation);
  if (auto found = cache->cells.find(key); found != cache->cells.end()) return found->second;
  if (cache->cells.size() >= RecolourCache::kMostCells) cache->cells.clear();
  PictureRef made = sharePicture(recolour(cell, *shape.colour, shape.penColour));
  cache->cells.emplace(key, made);
  return made;
}

}  // namespace lx
