// The show form of a word: its text written so that the reader gives back
// the same word, with backslashes, bars, "¶" for line breaks and numeric
// escapes for other control characters.
#pragma once

#include <string>
#include <string_view>

namespace lx {

// The byte that stands for a line break inside a word ("¶" in code page 1250).
inline constexpr char kLineBreakMark = '\xB6';

std::string showFormOfWord(std::string_view text);

}  // namespace lx
