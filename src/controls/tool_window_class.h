// The class `ToolWindow` (objects `ttoolwindow`): its prototype, the
// properties `align` and `order`, and the commands of its surface.
#pragma once

#include "controls/tool_window.h"
#include "objects/control_prototype.h"

namespace lx {

class tToolWindowPrototype : public tLogoFinalControlPrototype {
 public:
  tToolWindowPrototype();
  const char* className() const override { return "tToolWindowPrototype"; }
  void declareMembers() override;
};

// The tool bar of the current Logo code (error 89 when it is none).
ttoolwindow& toolWindowOf(tmultiobject& self);

}  // namespace lx
