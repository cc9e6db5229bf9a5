// tPagePrototype and tPanePrototype: the classes `Page` and `Pane`, from
// which every page and pane is made. They declare the properties and
// commands that pages and panes have, and make instances that own a
// drawing surface.
#pragma once

#include "objects/control_prototype.h"

namespace lx {

class tPagePrototype : public tLogoFinalControlPrototype {
 public:
  tPagePrototype();
  const char* className() const override { return "tPagePrototype"; }
  void declareMembers() override;
};

class tPanePrototype : public tLogoFinalControlPrototype {
 public:
  tPanePrototype();
  const char* className() const override { return "tPanePrototype"; }
  void declareMembers() override;
};

}  // namespace lx
