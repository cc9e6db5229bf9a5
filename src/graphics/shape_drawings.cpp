// Drawing-list shapes.
#include "graphics/shape_drawings.h"

#include <cmath>

#include "core/logo_exception.h"
#include "graphics/drawing_picture.h"
#include "values/list.h"

namespace lx {
namespace {

constexpr size_t kMostPictures = 72;

bool everyElementIsAList(const tLogoList& list) {
  for (const Value& element : list)
    if (!element->isList()) return false;
  return true;
}

}  // namespace

bool isDrawingShape(const Value& shape) {
  const tLogoList* list = asList(*shape);
  return list && !list->isEmpty();
}

ShapeDrawings::ShapeDrawings(const Value& shape, const DrawAttributes& start) {
  const tLogoList& list = *asList(*shape);
  // A list of lists is a film of drawing lists; anything else one drawing list.
  std::vector<Value> sources;
  if (everyElementIsAList(list))
    for (const Value& element : list) sources.push_back(element);
  else
    sources.push_back(shape);
  for (const Value& source : sources) {
    auto drawing = std::make_unique<tDrawingList>();
    drawing->compile(source, start);
    cells_.push_back(std::move(drawing));
  }
}

const tLogoPicture* ShapeDrawings::picture(size_t cell, long double heading, long double scaleX,
                                           long double scaleY) const {
  if (cells_.empty()) return nullptr;
  cell %= cells_.size();
  const Key key{cell, std::lround(static_cast<double>(heading) * 10), scaleX, scaleY};
  if (auto found = pictures_.find(key); found != pictures_.end()) return found->second.get();
  if (pictures_.size() >= kMostPictures) {
    pictures_.clear();
    ++generation_;
  }
  const DrawingPicture drawn = drawingPicture(*cells_[cell], heading, scaleX, scaleY);
  PictureRef made;
  if (pictureSizeAllowed(drawn.pixels.width(), drawn.pixels.height())) {
    auto picture = pictureFromBuffer(drawn.pixels, drawn.pixels.bounds());
    for (int y = 0; y < picture->height(); ++y)
      for (int x = 0; x < picture->width(); ++x)
        if (!drawn.coveredAt(x, y)) picture->setMasked(x, y, true);
    picture->hotSpot = drawn.hotSpot;
    made = sharePicture(std::move(picture));
  }
  pictures_.emplace(key, made);
  return made.get();
}

}  // namespace lx
