// The methods of image values — `count`, `item`, `first`, `last`,
// `imagesize`, `hotspot`, `sethotspot`, `delay`, `setdelay`, `imageinfo`,
// `setimageinfo` — and the global primitives that dispatch to the last five
// (the list operations dispatch already).
#pragma once

#include "interp/logo_tab.h"

namespace lx {

// The shared method table of every image value.
tLogoTab& imageMethodTable();
// Fills the method table in the current language and registers the
// dispatching primitives in the main object's table.
void registerImageMethods(tLogoTab& mainTable);

}  // namespace lx
