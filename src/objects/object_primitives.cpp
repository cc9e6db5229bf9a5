// Registering the object primitives.
#include "objects/object_primitives.h"

namespace lx {

void registerObjectPrimitives(tLogoTab& table) {
  registerAddressingPrimitives(table);
  registerObjectMakingPrimitives(table);
  registerObjectCopyPrimitives(table);
  registerObjectStatePrimitives(table);
  registerObjectQueryPrimitives(table);
  registerObjectVariablePrimitives(table);
  registerEventPrimitives(table);
  registerPropertyListPrimitives(table);
}

}  // namespace lx
