// The commands and properties every window object has: making, erasing,
// showing, renaming and listing its pages, making objects (controls on the
// page shown), the page commands passed on to the page shown, `maketurtle`,
// and the commands that do nothing in this runtime.
#pragma once

#include "interp/proc_desc.h"
#include "objects/multi_object.h"

namespace lx {

// Declares them on one window (each window has its own).
void declareWindowMembers(tmultiobject& window);

// A page command addressed to a window: the command of the same name is
// found along the shown page's procedure chain and called with the page as
// the current object (error 117 when no page is shown).
class tWindowPageCommand : public tProcDesc {
 public:
  tWindowPageCommand(NameCode name, uint32_t inputs) : tProcDesc(name, inputs, false, false) {}
  void execute(int inputCount) override { forward(inputCount, true); }
  void asCommand(int inputCount) override { forward(inputCount, false); }
  void asFunction(int inputCount) override { forward(inputCount, true); }
  void asTailCall(int inputCount) override { forward(inputCount, false); }
  void asCommandNoTail(int inputCount) override { forward(inputCount, false); }
  void asFunctionNoTail(int inputCount) override { forward(inputCount, true); }

 private:
  void forward(int inputCount, bool asFunction);
};

// Adds a page command under every spelling of `internalName`.
void declarePageCommand(tmultiobject& owner, const char* internalName, uint32_t inputs);

}  // namespace lx
