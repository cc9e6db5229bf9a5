// Primitives that answer words of the current language: `any` and
// `lumaxiscolours`.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerLocalizedWordPrimitives(tLogoTab& table);

}  // namespace lx
