// Reading at the main object: `readlist`, `readword`, `readfrom` and `eof?`.
// The main object opens no files; it reads only what the console gives it,
// and without a console `readlist` answers the empty list and `readword` the
// empty word.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerReadPrimitives(tLogoTab& table);

}  // namespace lx
