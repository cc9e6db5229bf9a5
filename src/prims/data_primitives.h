// The data primitives of the main object: arithmetic of many inputs, logic,
// type tests, words and lists, printing and reading, random seeds.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

// Registers every data primitive into the main object's table.
void registerDataPrimitives(tLogoTab& table);

}  // namespace lx
