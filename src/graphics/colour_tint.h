// `tintcolour`: a colour made darker or paler on the scale of the colour
// families' shades, 1 darkest, 6 the colour itself, 12 palest.
#pragma once

#include "platform/pixel_buffer.h"

namespace lx {

class tLogoTab;

// A colour of a family takes that family's shade; any other colour is mixed
// toward black below shade 6 and toward white above it.
Rgb tintedColour(Rgb colour, int shade);

void registerColourTint(tLogoTab& table);

}  // namespace lx
