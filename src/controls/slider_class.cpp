// The slider class and its properties.
#include "controls/slider_class.h"

#include "controls/control_commands.h"
#include "core/logo_exception.h"
#include "graphics/colour_value.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "values/pools.h"

namespace lx {

std::unique_ptr<tControlGraphic> tSlider::makeGraphic(tgrScreen& surface) {
  return std::make_unique<TLogoSlider>(surface, *this);
}

tSliderPrototype::tSliderPrototype() {
  setInstanceFactory([] { return ObjectRef(new tSlider); });
}

TLogoSlider& sliderOf(tmultiobject& self) {
  return controlOf<TLogoSlider>(self, erInitSlider);
}

namespace {

Value minOf(tmultiobject& self, int) {
  return makeInt(sliderOf(self).range().min());
}
void setMin(tmultiobject& self, int, const Value& value) {
  sliderOf(self).setMin(value->asInteger());
}
Value maxOf(tmultiobject& self, int) {
  return makeInt(sliderOf(self).range().max());
}
void setMax(tmultiobject& self, int, const Value& value) {
  sliderOf(self).setMax(value->asInteger());
}
Value valueOf(tmultiobject& self, int) {
  return makeInt(sliderOf(self).range().value());
}
void setValue(tmultiobject& self, int, const Value& value) {
  sliderOf(self).setValue(value->asInteger());
}
Value verticalOf(tmultiobject& self, int) {
  return makeBool(sliderOf(self).vertical());
}
void setVertical(tmultiobject& self, int, const Value& value) {
  sliderOf(self).setVertical(value->asBool());
}
Value colourOfSlider(tmultiobject& self, int) {
  return colourValue(sliderOf(self).colour());
}
void setColourOfSlider(tmultiobject& self, int, const Value& value) {
  sliderOf(self).setColour(colourOf(value));
}
Value thumbLengthOf(tmultiobject& self, int) {
  return makeInt(sliderOf(self).thumbLength());
}
void setThumbLength(tmultiobject& self, int, const Value& value) {
  sliderOf(self).setThumbLength(value->asIntegerIn(4, 1000));
}
Value transparentOf(tmultiobject& self, int) {
  return makeBool(sliderOf(self).transparent());
}
void setTransparent(tmultiobject& self, int, const Value& value) {
  sliderOf(self).setTransparent(value->asBool());
}

// In code order min, max, value: a reloaded slider sets its range before
// its value, so the value is not clamped by the default range.
constexpr PropertyEntry kSliderProperties[] = {
    {prop::kMin, minOf, setMin, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kMax, maxOf, setMax, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kValueSlider, valueOf, setValue, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kVertical, verticalOf, setVertical, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kBgcolourSlider, colourOfSlider, setColourOfSlider},
    {prop::kThumbLength, thumbLengthOf, setThumbLength},
    {prop::kTransparentSlider, transparentOf, setTransparent},
};

}  // namespace

void tSliderPrototype::declareMembers() {
  tLogoFinalControlPrototype::declareMembers();
  declareDrawnControlProperties(*this);
  declareProperties(*this, kSliderProperties, DeclaredOn::Prototype);
  declareOrderCommands(*this);
}

}  // namespace lx
