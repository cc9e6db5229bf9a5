// The primitives of the main object that work on objects: addressing
// (`ask`, `tell`, `who`...), making and erasing objects, questions about
// objects, variables along an object's chain, events, and property lists.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

// Registers every group below.
void registerObjectPrimitives(tLogoTab& table);

void registerAddressingPrimitives(tLogoTab& table);
void registerObjectMakingPrimitives(tLogoTab& table);
void registerObjectCopyPrimitives(tLogoTab& table);
void registerObjectStatePrimitives(tLogoTab& table);
void registerObjectQueryPrimitives(tLogoTab& table);
void registerObjectVariablePrimitives(tLogoTab& table);
void registerEventPrimitives(tLogoTab& table);
void registerPropertyListPrimitives(tLogoTab& table);

}  // namespace lx
