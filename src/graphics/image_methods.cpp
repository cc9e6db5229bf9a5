// Image methods. The items of an image are its frames: `item 2 :img` is the
// image of frame 2 alone, so `map` and `foreach` walk the frames. The
// setters answer a new image with every cell changed, as images never
// change in place.
#include "graphics/image_methods.h"

#include <cmath>

#include "core/logo_exception.h"
#include "graphics/logo_image.h"
#include "interp/registry.h"
#include "interp/value_methods.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

const tLogoImage& imageOf(const Value& v) {
  return *asImage(v);
}

Value pairValue(int a, int b) {
  ListBuilder pair;
  pair.add(makeInt(a));
  pair.add(makeInt(b));
  return pair.finish();
}

// Two integers in a list (error 13 otherwise).
std::pair<int, int> intPair(const Value& value) {
  const tLogoList* list = asList(*value);
  if (!list || list->count() != 2) throw eLogoException(erExpectList2, value);
  auto it = list->begin();
  const int a = (*it)->asIntegerIn(-kMostPictureSide, kMostPictureSide);
  const int b = (*++it)->asIntegerIn(-kMostPictureSide, kMostPictureSide);
  return {a, b};
}

// The first cell, which the size, hot spot and delay getters describe
// (error 4 for an image without cells).
const tLogoPicture& firstCell(const Value& v) {
  const tLogoPicture* cell = imageOf(v).cell(0, 0);
  if (!cell) throw eLogoException(erEmptyList, v);
  return *cell;
}

// A copy of the image with `change` applied to every cell, the i-th cell
// counted over all frames.
template <class Change>
Value withCells(const tLogoImage& image, Change change) {
  std::vector<tLogoFrame> frames = image.frames();
  size_t index = 0;
  for (tLogoFrame& frame : frames)
    for (PictureRef& cell : frame) {
      auto changed = std::make_unique<tLogoPicture>(*cell);
      change(*changed, index++);
      cell = sharePicture(std::move(changed));
    }
  return makeImage(std::move(frames), image.baseAngle(), image.loops());
}

Value frameItem(const Value& v, const Value& n) {
  const tLogoImage& image = imageOf(v);
  const int count = static_cast<int>(image.frames().size());
  if (count == 0) throw eLogoException(erEmptyList, v);
  const int index = n->asIntegerIn(1, count);
  return makeImage({image.frames()[index - 1]}, image.baseAngle(), image.loops());
}

Value imageSize(const Value& v) {
  const tLogoPicture& cell = firstCell(v);
  return pairValue(cell.width(), cell.height());
}

Value hotSpot(const Value& v) {
  const tLogoPicture& cell = firstCell(v);
  return pairValue(cell.hotSpot.x, cell.hotSpot.y);
}

Value setHotSpot(const Value& v, const Value& spot) {
  const std::pair<int, int> xy = intPair(spot);
  const PixelPoint at{xy.first, xy.second};
  return withCells(imageOf(v), [&](tLogoPicture& cell, size_t) { cell.hotSpot = at; });
}

Value delayOf(const Value& v) {
  return makeInt(firstCell(v).delay);
}

// A number gives every cell that delay; a list gives the cells its
// numbers in turn, starting again when the list runs out.
Value setDelay(const Value& v, const Value& delays) {
  std::vector<int> values;
  if (const tLogoList* list = asList(*delays)) {
    for (const Value& d : *list) values.push_back(d->asIntegerIn(0, INT32_MAX));
    if (values.empty()) throw eLogoException(erEmptyList, delays);
  } else {
    values.push_back(delays->asIntegerIn(0, INT32_MAX));
  }
  return withCells(imageOf(v), [&](tLogoPicture& cell, size_t i) { cell.delay = values[i % values.size()]; });
}

// [base angle, loop flag]
Value imageInfo(const Value& v) {
  const tLogoImage& image = imageOf(v);
  ListBuilder info;
  info.add(makeReal(image.baseAngle()));
  info.add(makeBool(image.loops()));
  return info.finish();
}

Value setImageInfo(const Value& v, const Value& info) {
  const tLogoList* list = asList(*info);
  if (!list || list->count() != 2) throw eLogoException(erExpectList2, info);
  auto it = list->begin();
  const long double angle = (*it)->asReal();
  if (!std::isfinite(static_cast<double>(angle))) throw eLogoException(erExpectNumber, *it);
  const bool loop = (*++it)->asBool();
  const tLogoImage& image = imageOf(v);
  return makeImage(image.frames(), std::fmod(angle, 360.0L), loop);
}

void fillMethods(tLogoTab& t) {
  registerPrimitive<tPasProcDesc0p>(t, "count", [](const Value& v) -> Value {
    return makeInt(static_cast<int32_t>(imageOf(v).frames().size()));
  });
  registerPrimitive<tPasProcDesc1p>(t, "item",
                                    [](const Value& v, const Value& n) { return frameItem(v, n); });
  registerPrimitive<tPasProcDesc0p>(t, "first", [](const Value& v) { return frameItem(v, makeInt(1)); });
  registerPrimitive<tPasProcDesc0p>(t, "last", [](const Value& v) {
    return frameItem(v, makeInt(static_cast<int32_t>(imageOf(v).frames().size())));
  });
  registerLiteral<tPasProcDesc1p>(
      t, "=", [](const Value& a, const Value& b) -> Value { return makeBool(a->equals(*b)); });
  registerLiteral<tPasProcDesc1p>(
      t, "<>", [](const Value& a, const Value& b) -> Value { return makeBool(!a->equals(*b)); });
  registerPrimitive<tPasProcDesc0p>(t, "imagesize", imageSize);
  registerPrimitive<tPasProcDesc0p>(t, "hotspot", hotSpot);
  registerPrimitive<tPasProcDesc1p>(t, "sethotspot", setHotSpot);
  registerPrimitive<tPasProcDesc0p>(t, "delay", delayOf);
  registerPrimitive<tPasProcDesc1p>(t, "setdelay", setDelay);
  registerPrimitive<tPasProcDesc0p>(t, "imageinfo", imageInfo);
  registerPrimitive<tPasProcDesc1p>(t, "setimageinfo", setImageInfo);
}

}  // namespace

tLogoTab& imageMethodTable() {
  static tLogoTab table;
  return table;
}

void registerImageMethods(tLogoTab& mainTable) {
  tLogoTab& methods = imageMethodTable();
  fillMethods(methods);
  for (const char* name : {"imagesize", "hotspot", "delay", "imageinfo"})
    registerPrimitive<tObjectProcEndDesc>(mainTable, name, 1u);
  for (const char* name : {"sethotspot", "setdelay", "setimageinfo"})
    registerPrimitive<tObjectProc1Desc>(mainTable, name, 0, 2u);
}

}  // namespace lx
