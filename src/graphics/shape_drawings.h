// Shapes made of drawing lists: each list one cell of an animation, drawn
// turned to the heading and scaled, and kept as pictures for the headings
// and scales it was last shown at.
#pragma once

#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "graphics/drawing_items.h"
#include "graphics/drawing_list.h"
#include "graphics/logo_picture.h"

namespace lx {

class ShapeDrawings {
 public:
  // Compiles a drawing list, or a list of drawing lists (every element a
  // list), with the turtle's pen, brush and font. Errors pass on.
  ShapeDrawings(const Value& shape, const DrawAttributes& start);

  size_t cellCount() const { return cells_.size(); }
  // The cell (from 0, wrapping) drawn at that heading and scale, hot spot at
  // the list's start; nullptr when it covers no pixel. Called with the
  // drawing lock held, which guards the pictures kept.
  const tLogoPicture* picture(size_t cell, long double heading, long double scaleX, long double scaleY) const;

  // Counts how often the kept pictures were dropped, so that what was made
  // from a dropped picture (a recoloured copy) is not taken for a new one
  // at the same address.
  uint64_t generation() const { return generation_; }

  // A drawing list's cells show this long in an animation.
  static constexpr int kCellDelay = 100;

 private:
  std::vector<std::unique_ptr<tDrawingList>> cells_;
  // Headings are kept to a tenth of a degree; a handful of pictures at a
  // time, all dropped when there are more.
  using Key = std::tuple<size_t, long, long double, long double>;
  mutable std::map<Key, PictureRef> pictures_;
  mutable uint64_t generation_ = 0;
};

// Whether a shape input is drawing lists rather than an image or a name.
bool isDrawingShape(const Value& shape);

}  // namespace lx
