// tTurtlePrototype: the class `Turtle`, from which every turtle is made. It
// declares the turtle's properties and commands and makes instances that
// own a graphic state.
#pragma once

#include "objects/control_prototype.h"

namespace lx {

class tTurtlePrototype : public tLogoFinalControlPrototype {
 public:
  tTurtlePrototype();
  const char* className() const override { return "tTurtlePrototype"; }
  void declareMembers() override;
};

}  // namespace lx
