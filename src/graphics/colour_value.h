// Colours as Logo code gives them — a palette number 0..15, a list
// [r g b], a colour word with an optional shade 1..12, or the `any` word —
// and as colour getters output them, in the form the global variable
// `colourstyle` selects. Colours are kept as 0x00RRGGBB.
#pragma once

#include <string>
#include <string_view>

#include "platform/pixel_buffer.h"
#include "core/value.h"

namespace lx {

inline constexpr int kPaletteSize = 16;

// The palette entry of 0..15.
Rgb paletteColour(int index);
// The colour of a colour word (family or special name, optional shade
// digits; a word in brackets holds "r g b"): error 12 for shade digits that
// are no number, 26 for a shade outside 1..12, 121 for an unknown name.
Rgb colourNamed(std::string_view word);
// Any colour input (error 16 for a value that is none of the forms).
Rgb colourOf(const Value& value);
// A colour for the `any` word, as the global variable `anycolour` decides.
Rgb randomColour();
// The colour as Logo reads it back.
Value colourValue(Rgb colour);
// The colour's localized name with its shade ("blue3"), or "" when it has none.
std::string colourName(Rgb colour);

}  // namespace lx
