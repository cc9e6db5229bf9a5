// The global primitive about tools: `activetoolbutton?`.
#pragma once

#include "interp/var_tab.h"

namespace lx {

void registerToolPrimitives(tLogoTab& table);

}  // namespace lx
