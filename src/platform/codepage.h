// Conversion between the system's internal text (code page 1250 bytes) and
// UTF-8, which is what terminals, window titles, pango and file names use.
#pragma once

#include <string>
#include <string_view>

namespace lx {

// Converts internal text to UTF-8. Every byte has a mapping, so this cannot fail.
std::string cp1250ToUtf8(std::string_view text);

struct Utf8Conversion {
  std::string text;       // the converted text, "?" for what had no mapping
  bool exact = true;      // false when a character had no code page 1250 byte
  size_t firstBadOffset = 0;  // byte offset in the input of the first such character
};

// Converts UTF-8 to internal text. Malformed sequences and characters outside
// code page 1250 become "?" and clear `exact`.
Utf8Conversion utf8ToCp1250(std::string_view utf8);

}  // namespace lx
