// The primitives that read the keys typed at the main window: `readkey`,
// `readchar` and `key` wait for a key and take it, `key?` tells whether one
// waits, `lastkey` gives the one taken last.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerKeyPrimitives(tLogoTab& table);

}  // namespace lx
