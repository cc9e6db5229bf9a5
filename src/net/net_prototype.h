// tnetPrototype: the class `Net`, from which network objects (tLogoNet)
// are made. It declares their properties (server, style, port, run
// permission, nick) and their commands (connecting, sending, reading what
// arrived, asking the server about its participants).
#pragma once

#include "objects/control_prototype.h"

namespace lx {

class tnetPrototype : public tLogoFinalControlPrototype {
 public:
  tnetPrototype();
  const char* className() const override { return "tnetPrototype"; }
  void declareMembers() override;
};

}  // namespace lx
