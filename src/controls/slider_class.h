// The class `Slider` (objects `tSlider`): its objects, prototype and properties.
#pragma once

#include "controls/drawn_control.h"
#include "controls/slider.h"
#include "objects/control_prototype.h"

namespace lx {

class tSlider : public tDrawnControl {
 public:
  const char* className() const override { return "tSlider"; }

 protected:
  std::unique_ptr<tControlGraphic> makeGraphic(tgrScreen& surface) override;
  errorConst initError() const override { return erInitSlider; }
};

class tSliderPrototype : public tLogoFinalControlPrototype {
 public:
  tSliderPrototype();
  const char* className() const override { return "tSliderPrototype"; }
  void declareMembers() override;
};

TLogoSlider& sliderOf(tmultiobject& self);

}  // namespace lx
