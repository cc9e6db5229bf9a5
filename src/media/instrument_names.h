// Instruments by number or by name: the General MIDI names of the
// dictionary's "InstrumentNames" section, in the project's language.
#pragma once

#include <string_view>

#include "core/value.h"

namespace lx {

// The program an instrument input names: a number 0..`highest` (error 26
// beyond it) or a name (error 9 when no entry holds it).
int instrumentNumber(const Value& instrument, int highest);
// The same for the text of a melody's "I" token.
int instrumentNumber(std::string_view text, int highest);

}  // namespace lx
