// `catch`, `throw`, `throwerror` and `error`: catching errors and thrown
// tags, and reading the error that was caught.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerCatchPrimitives(tLogoTab& table);

}  // namespace lx
