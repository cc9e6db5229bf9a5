// The type tests: `empty?`, `word?`, `list?`, `number?` and `image?`.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerTypePrimitives(tLogoTab& table);

}  // namespace lx
