// The file primitives that only look: `folder?`, `expandfilename` and
// `loadpath` answer where a name leads without opening anything; and the
// remaining writers (`savetable`) refuse as every file writer does.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerFileQueryPrimitives(tLogoTab& table);

}  // namespace lx
