// The classes `Button` (objects `tlogoswitch`) and `ToolButton` (objects
// `tlogotoolbut`): their objects, prototypes and properties.
#pragma once

#include "controls/button.h"
#include "controls/drawn_control.h"
#include "objects/control_prototype.h"

namespace lx {

class tlogoswitch : public tDrawnControl {
 public:
  const char* className() const override { return "tlogoswitch"; }

 protected:
  std::unique_ptr<tControlGraphic> makeGraphic(tgrScreen& surface) override;
  errorConst initError() const override { return erInitGraphic; }
};

class tlogotoolbut : public tDrawnControl {
 public:
  const char* className() const override { return "tlogotoolbut"; }

 protected:
  std::unique_ptr<tControlGraphic> makeGraphic(tgrScreen& surface) override;
  errorConst initError() const override { return erInitToolButton; }
};

class tSwitchButtonPrototype : public tLogoFinalControlPrototype {
 public:
  tSwitchButtonPrototype();
  const char* className() const override { return "tSwitchButtonPrototype"; }
  void declareMembers() override;
};

class tToolButtonPrototype : public tLogoFinalControlPrototype {
 public:
  tToolButtonPrototype();
  const char* className() const override { return "tToolButtonPrototype"; }
  void declareMembers() override;
};

// The button control of the current Logo code (error 79 when it is none).
tLogoButtons& buttonOf(tmultiobject& self);

}  // namespace lx
