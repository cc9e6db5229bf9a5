// The clock: `date`, `time`, `dateWord`, `timeWord`, `timer`,
// `resettimer` and `showTime`.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerClockPrimitives(tLogoTab& table);

}  // namespace lx
