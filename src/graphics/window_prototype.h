// tWindowPrototype: the class `Window`, from which window objects
// (tSplitwindow) are made. It declares the window's place and size on the
// screen, its caption, voice menu, prompts and state, and the commands
// that act on the platform window.
#pragma once

#include "objects/control_prototype.h"

namespace lx {

class tWindowPrototype : public tLogoFinalControlPrototype {
 public:
  tWindowPrototype();
  const char* className() const override { return "tWindowPrototype"; }
  void declareMembers() override;
};

}  // namespace lx
