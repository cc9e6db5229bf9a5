// The main object's variable table: the global variables.
#include "objects/main_object.h"

namespace lx {

std::unique_ptr<tLogoVarTab> tMainLogoObject::makeVariableTable() {
  return std::make_unique<tLogoGlobalVarTab>();
}

}  // namespace lx
