// The control primitives: loops and their round counter, conditionals,
// running lists, `case`, `test` with `iftrue`/`iffalse`, `ignore`.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerControlPrimitives(tLogoTab& table);

}  // namespace lx
