// The class `TextBox`: the text box object (`ttext`), its prototype with the
// properties and commands of text boxes, and the way `printtotextbox` finds
// a text box to print into.
#pragma once

#include "controls/drawn_control.h"
#include "controls/text_box.h"
#include "objects/control_prototype.h"

namespace lx {

class ttext : public tDrawnControl {
 public:
  const char* className() const override { return "ttext"; }
  tlogotext& box() { return static_cast<tlogotext&>(graphic()); }

 protected:
  std::unique_ptr<tControlGraphic> makeGraphic(tgrScreen& surface) override;
  errorConst initError() const override { return erInitText; }
};

class tTextPrototype : public tLogoFinalControlPrototype {
 public:
  tTextPrototype();
  const char* className() const override { return "tTextPrototype"; }
  void declareMembers() override;
};

// The text box of the current Logo code (error 80 when it is none).
tlogotext& textBoxOf(tmultiobject& self);

// Lets `printtotextbox` print into text boxes.
void installTextBoxOutput();

}  // namespace lx
