// `randomize`: a new seed for the one random generator, from the time of day.
// (`random` itself is a value method of numbers and lists.)
#pragma once

#include <cstdint>

#include "interp/logo_tab.h"

namespace lx {

void registerRandomPrimitives(tLogoTab& table);

// The seed `randomize` takes: the milliseconds since midnight, local time.
uint32_t timeOfDaySeed(int hours, int minutes, int seconds, int milliseconds);

}  // namespace lx
