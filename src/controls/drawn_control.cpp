// Making, registering and freeing a drawn control's graphic, and the
// properties all of them share.
#include "controls/drawn_control.h"

#include "core/logo_exception.h"
#include "graphics/logo_page.h"
#include "graphics/rect_list.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {

tControlGraphic& tDrawnControl::graphic() {
  if (graphic_) return *graphic_;
  tgrScreen* surface = nullptr;
  for (tmultiobject* at = place(); at && !surface; at = at->place()) surface = surfaceOf(*at);
  if (!surface) throw eLogoException(initError());
  graphic_ = makeGraphic(*surface);
  return *graphic_;
}

void tDrawnControl::afterCreate() {
  graphic().registerOnSurface();
  tControlObject::afterCreate();
}

void tDrawnControl::beforeFree() {
  if (graphic_) graphic_->leaveSurface();
  graphic_.reset();
  tControlObject::beforeFree();
}

namespace {

constexpr int kLargestSize = 32000;

tControlGraphic& drawnOf(tmultiobject& self) {
  auto* control = dynamic_cast<tDrawnControl*>(&self);
  if (!control || !control->isInstance()) throw eLogoException(erInvalidPlace);
  return control->graphic();
}

// The surface a control stands on; gone with its page (error 91).
tgrScreen& surfaceUnder(tControlGraphic& control) {
  if (!control.surface()) throw eLogoException(erInvalidPlace);
  return *control.surface();
}

Value aPosOf(tmultiobject& self, int) {
  return pointValue(asPointF(drawnOf(self).position()));
}
void setAPos(tmultiobject& self, int, const Value& value) {
  drawnOf(self).moveTo(pixelPointOf(value));
}

// `pos` names the upper-left corner in the page's coordinates.
Value posOf(tmultiobject& self, int) {
  tControlGraphic& control = drawnOf(self);
  return pointValue(surfaceUnder(control).toPage(asPointF(control.position())));
}
void setPos(tmultiobject& self, int, const Value& value) {
  tControlGraphic& control = drawnOf(self);
  control.moveTo(roundedPixel(surfaceUnder(control).toPixel(pointOf(value))));
}

Value sizeOf(tmultiobject& self, int code) {
  const PixelPoint size = drawnOf(self).size();
  if (code == prop::kWidth) return makeInt(size.x);
  if (code == prop::kHeight) return makeInt(size.y);
  ListBuilder list;
  list.add(makeInt(size.x));
  list.add(makeInt(size.y));
  return list.finish();
}
void setSize(tmultiobject& self, int code, const Value& value) {
  tControlGraphic& control = drawnOf(self);
  PixelPoint size = control.size();
  if (code == prop::kWidth) {
    size.x = value->asIntegerIn(1, kLargestSize);
  } else if (code == prop::kHeight) {
    size.y = value->asIntegerIn(1, kLargestSize);
  } else {
    const tLogoList* list = asList(*value);
    if (!list || list->count() != 2 || !list->element()->isNumber() || !list->rest()->element()->isNumber())
      throw eLogoException(erExpectedXY, value);
    size = {list->element()->asIntegerIn(1, kLargestSize),
            list->rest()->element()->asIntegerIn(1, kLargestSize)};
  }
  control.resize(size.x, size.y);
}

Value enabledOf(tmultiobject& self, int) {
  return makeBool(drawnOf(self).enabled());
}
void setEnabled(tmultiobject& self, int, const Value& value) {
  drawnOf(self).setEnabled(value->asBool());
}
Value shownOf(tmultiobject& self, int) {
  return makeBool(drawnOf(self).shown());
}
void setShown(tmultiobject& self, int, const Value& value) {
  drawnOf(self).setShown(value->asBool());
}

constexpr PropertyEntry kDrawnControlProperties[] = {
    {prop::kAPos, aPosOf, setAPos, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kPos, posOf, setPos},
    {prop::kSize, sizeOf, setSize, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kWidth, sizeOf, setSize},
    {prop::kHeight, sizeOf, setSize},
    {prop::kEnabled, enabledOf, setEnabled},
    {prop::kShown, shownOf, setShown},
};

}  // namespace

void declareDrawnControlProperties(tmultiobject& prototype) {
  declareProperties(prototype, kDrawnControlProperties, DeclaredOn::Prototype);
}

}  // namespace lx
