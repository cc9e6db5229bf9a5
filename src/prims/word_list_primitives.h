// Building words and lists at the main object: `word`, `list`, `sentence`,
// and reading text back into a list with `parse` and `parselines`.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerWordListPrimitives(tLogoTab& table);

}  // namespace lx
