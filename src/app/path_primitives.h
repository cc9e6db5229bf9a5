// `setpath` and `path`: the folders where files of each kind are looked for.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerPathPrimitives(tLogoTab& table);

}  // namespace lx
