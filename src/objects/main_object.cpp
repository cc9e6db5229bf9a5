// The main object's tables.
#include "objects/main_object.h"

namespace lx {

void tMainLogoObject::makeTables() {
  procedures = std::make_unique<tLogoTab>("commandsLabel");
  variables = std::make_unique<tLogoGlobalVarTab>();
  events = std::make_unique<tLogoEventTab>();
}

}  // namespace lx
